int unused_shell_ui_website = 0;
