#pragma once

#include <QFunctionPointer>
#include <QString>
#include <QStringList>

// Loads the program's own libraries that start-up does without (sound and speech,
// printing): each is opened on first use, so the welcome page never waits for the
// sound system or the printing system to load. A program run from its build tree
// finds them there, an installed one under its prefix.
class CModuleLoader
{
public:
    // The function `entry` of the module ("sound" is libtutorama-sound.so); nullptr when the
    // module or the function cannot be found (the reason goes to the warnings log). A module
    // once loaded stays loaded.
    static QFunctionPointer Resolve(const QString& module, const char* entry);
    // What the module's entry `T* entry()` hands out; nullptr without the module.
    template <typename T> static T* Load(const QString& module, const char* entry)
    {
        const auto function = reinterpret_cast<T* (*)()>(Resolve(module, entry));
        return function ? function() : nullptr;
    }

    // Where modules are looked for, in order.
    static QStringList Folders();
};
