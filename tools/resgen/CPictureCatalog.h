#pragma once

#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class QRectF;

// Every picture of the program: its bitmap id, its size, what it shows and how it is drawn.
class CPictureCatalog
{
public:
    struct Picture
    {
        int id = 0;
        QSize size;
        QString role;        // where the program shows it
        QString description; // what it shows
        std::function<void(QPainter&, const QRectF&)> draw;
    };

    // Grouped by where they are shown: start pages, quiz kinds, banners, editors, feedback,
    // answer buttons, score.
    static QList<Picture> All();
    // The same pictures in id order.
    static QList<Picture> ById();

private:
    static void AddStartPictures(QList<Picture>& pictures);
    static void AddKindPictures(QList<Picture>& pictures);
    static void AddBanners(QList<Picture>& pictures);
    static void AddFeedbackPictures(QList<Picture>& pictures);
    static void AddAnswerButtons(QList<Picture>& pictures);
    static void AddCardFrames(QList<Picture>& pictures);
    static void AddEditorPictures(QList<Picture>& pictures);
    static void AddScorePictures(QList<Picture>& pictures);
};
