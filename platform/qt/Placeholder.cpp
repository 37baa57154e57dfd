int unused_platform_qt = 0;
