#pragma once
// Documents and web pages handed to the shell. Every page, help file and log Ovix opens goes
// through openDocument, so there is one place that talks to the shell and one that tests watch.
#include <string>

// Opens `address` (a web address, a file:/// address or a file path) with the shell's "open",
// owned by the main window, shown normally. Tests replace it to see the address; what the
// shell does with an address it cannot open is its own affair.
extern void (*openDocument)(const char* address);

// "file:///<current directory>/help/help_cz.html", the local help page.
std::string helpPageAddress();
