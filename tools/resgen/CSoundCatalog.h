#pragma once

#include <QList>
#include <QString>

#include <vector>

// Every wave sound of the program, synthesised: its id, what it is, and its samples
// (8-bit unsigned, mono, 22,050 per second).
class CSoundCatalog
{
public:
    struct Sound
    {
        int id = 0;
        QString role;
        QString description;
        std::vector<unsigned char> samples;
    };

    static QList<Sound> All();

private:
    static std::vector<unsigned char> Paste();
    static std::vector<unsigned char> CardFlip();
    static std::vector<unsigned char> PerfectScore();
    static std::vector<unsigned char> OtherScore();
};
