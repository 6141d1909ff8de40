// Start-up of the program to its first painted welcome page, and the memory it
// holds then, against a bare Qt dialog program started the same way.
//
//   bench_startup [runs]     runs both programs alternately and prints the table
//
// Each run is a fresh process (this executable in a child mode), so the figures
// include loading the libraries, fonts and resources, as a pupil's start does.

#include "CQuizApp.h"
#include "CQuizPage.h"
#include "CQuizSheet.h"
#include "CScriptedPrompt.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Quits the application at the first paint of the watched widget.
class CFirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_bSeen) {
            m_bSeen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_bSeen = false;
};

int RunBareDialog(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(CQuizSheet::kWidth, CQuizSheet::kHeight);
    auto* label = new QLabel(QStringLiteral("Welcome"), &dialog);
    label->move(20, 20);
    auto* button = new QPushButton(QStringLiteral("Close"), &dialog);
    button->move(600, 470);
    CFirstPaint watcher;
    label->installEventFilter(&watcher);
    dialog.show();
    return app.exec();
}

int RunTutorama(int argc, char** argv)
{
    QApplication app(argc, argv);
    CScriptedPrompt prompt;
    CQuizApp::Options options;
    options.m_pPrompt = &prompt;
    CQuizApp quizApp(options);
    CQuizSheet* sheet = quizApp.BuildSheet();
    CFirstPaint watcher;
    sheet->ActivePage()->installEventFilter(&watcher);
    sheet->show();
    return app.exec();
}

struct Sample
{
    double m_ms = 0;
    long m_rssKiB = 0;
};

Sample RunChild(const char* self, const char* mode)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(self, self, "--child", mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Sample sample;
    sample.m_ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    sample.m_rssKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "child %s failed\n", mode);
        std::exit(2);
    }
    return sample;
}

template <typename T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return std::strcmp(argv[2], "bare") == 0 ? RunBareDialog(argc, argv)
                                                 : RunTutorama(argc, argv);
    }
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    std::vector<double> bareMs, quizMs;
    std::vector<long> bareRss, quizRss;
    RunChild(argv[0], "bare"); // warm the file cache for both
    RunChild(argv[0], "tutorama");
    for (int i = 0; i < runs; ++i) {
        const Sample bare = RunChild(argv[0], "bare");
        const Sample quiz = RunChild(argv[0], "tutorama");
        bareMs.push_back(bare.m_ms);
        quizMs.push_back(quiz.m_ms);
        bareRss.push_back(bare.m_rssKiB);
        quizRss.push_back(quiz.m_rssKiB);
    }
    const double timeRatio = Median(quizMs) / Median(bareMs);
    const double memoryRatio = static_cast<double>(Median(quizRss)) / Median(bareRss);
    std::printf("%-44s %12s %12s %8s %8s\n", "benchmark (median of runs)", "figure", "floor",
                "ratio", "target");
    std::printf("%-44s %9.1f ms %9.1f ms %8.2f %8s\n", "start-up to first painted welcome page",
                Median(quizMs), Median(bareMs), timeRatio, "<= 1.5");
    std::printf("%-44s %8.1f MiB %8.1f MiB %8.2f %8s\n", "memory after start-up (max RSS)",
                Median(quizRss) / 1024.0, Median(bareRss) / 1024.0, memoryRatio, "<= 1.5");
    return timeRatio <= 1.5 && memoryRatio <= 1.5 ? 0 : 1;
}
