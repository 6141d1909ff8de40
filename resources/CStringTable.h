#pragma once

#include <QString>

// The program's numbered texts: message boxes, page descriptions and the help texts that
// pages draw with the markup renderer. Ids are the IDS_ values of ResourceIds.h.
class CStringTable
{
public:
    // The text of the id, translated into the user's language when a translation is
    // installed; an empty string for an id the table does not hold.
    static QString Get(int id);

    // Whether the table holds a text under the id.
    static bool Contains(int id);
};
