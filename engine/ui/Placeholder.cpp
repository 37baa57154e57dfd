int unused_engine_ui = 0;
