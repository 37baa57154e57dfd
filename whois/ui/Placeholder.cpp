int unused_whois_ui = 0;
