int unused_platform_qt_browser = 0;
