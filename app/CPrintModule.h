#pragma once

class CPrintService;

// Printing as the program reaches it: the print module, loaded on the first use.
class CPrintModule
{
public:
    // The module's printing service; nullptr when the module cannot be loaded.
    static CPrintService* Get();
};
