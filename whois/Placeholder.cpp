int unused_whois = 0;
