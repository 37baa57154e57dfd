int unused_engine = 0;
