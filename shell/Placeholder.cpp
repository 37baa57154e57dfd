int unused_shell = 0;
