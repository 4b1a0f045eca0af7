// Start-up cost of the table window against the least a window showing the same pictures
// needs: the time from process start to the first painted table, the main thread's processor
// time until then and the peak memory, each measured in a fresh child process (`--child game`,
// `program`, `bare` or `text`), several runs each, alternating; medians and the fastest runs
// printed with their ratios. On a busy machine the waits for a processor dominate the wall
// time; the processor time and the fastest runs show the start-up's own cost.
//
// TOLVANIS_BENCH_TRACE=1 makes each child print its steps.
//
// Usage: tolvanis_bench_table_startup [runs]   (run from the folder holding the card strips,
// or beside them; without a display the offscreen platform is used)
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AutoTurns.h"
#include "Engine.h"
#include "FakeServices.h"
#include "GameApp.h"
#include "PictureSet.h"
#include "TableFonts.h"
#include "TableWidget.h"
#include "TableWindow.h"

using namespace tolvanis;

namespace {

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Processor time of the calling thread: on a busy machine the waits for a processor swamp the
// wall time, while this still shows the work on the way to the first paint.
double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long PeakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// With TOLVANIS_BENCH_TRACE set, a child prints the wall and main-thread processor time at each
// step.
void TracePhase(long long startNs, const char* what) {
    static const bool trace = std::getenv("TOLVANIS_BENCH_TRACE") != nullptr;
    if (!trace) return;
    std::fprintf(stderr, "  %-12s %6.1f ms   processor %6.1f ms\n", what,
                 (MonotonicNs() - startNs) / 1e6, ThreadCpuMs());
}

// Reports once, right after the first paint of `watched` has finished.
class FirstPaint : public QObject {
  public:
    FirstPaint(long long startNs, QWidget* watched) : startNs_(startNs) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            TracePhase(startNs_, "paint");
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [this] {
                TracePhase(startNs_, "painted");
                std::printf("%.3f %ld %.3f\n", (MonotonicNs() - startNs_) / 1e6, PeakKb(),
                            ThreadCpuMs());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    long long startNs_;
    bool seen_ = false;
};

// The least window that shows the 126 picture slots: every slot cut from its strip as a
// pixmap of its own and painted in a grid.
class BareWindow : public QWidget {
  public:
    explicit BareWindow(bool withText) : withText_(withText) {
        std::array<QImage, 5> strips;
        for (std::size_t n = 0; n < strips.size(); ++n)
            strips[n] = QImage(QString::fromLatin1(PictureSet::StripFiles()[n]));
        const int w = strips[0].width() / PictureSet::CellsPerStrip, h = strips[0].height();
        for (int id = 0; id < PictureSet::Slots; ++id) {
            int strip = 0, cell = 0;
            if (!PictureSet::CellOf(id, strip, cell)) continue;
            pictures_.push_back(QPixmap::fromImage(strips[strip].copy(cell * w, 0, w, h)));
        }
        resize(16 * w / 2, 8 * h / 2);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0, 100, 50));
        int i = 0;
        for (const QPixmap& picture : pictures_) {
            p.drawPixmap((i % 16) * picture.width() / 2, (i / 16) * picture.height() / 2, picture);
            ++i;
        }
        if (withText_) p.drawText(rect(), Qt::AlignCenter, QStringLiteral("p1: your turn"));
    }

  private:
    bool withText_;
    std::vector<QPixmap> pictures_;
};

int Child(int argc, char** argv, const std::string& mode, long long startNs) {
    QApplication app(argc, argv);
    TracePhase(startNs, "app");
    if (mode == "bare" || mode == "text") {
        BareWindow window(mode == "text");
        TracePhase(startNs, "window");
        FirstPaint probe(startNs, &window);
        window.show();
        return QApplication::exec();
    }
    auto phase = [&](const char* what) { TracePhase(startNs, what); };
    if (mode == "program") {
        // The whole program as main() starts it: menus, sounds, help and all. The Moves window is
        // built only when shown, which a first start does not do.
        GameApp game;
        if (const auto error = game.Start()) {
            std::fprintf(stderr, "%s\n", qPrintable(*error));
            return 2;
        }
        phase("started");
        FirstPaint probe(startNs, game.Table()->Table());
        game.Show();
        return QApplication::exec();
    }
    // As the program starts: the font list is read beside the picture loading.
    std::optional<FontWarmUp> fonts(std::in_place);
    PictureSet pictures;
    if (const auto error = pictures.Load(PictureSet::DefaultSearchDirs())) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 2;
    }
    phase("pictures");
    FakeServices services;
    services.RecordLog = false;
    services.RecordSounds = false;
    Engine engine(services);
    AutoTurns driver(engine);
    engine.SetAutoPlayer(&driver);
    engine.Load(pictures.CardWidthMm(), pictures.CardHeightMm());
    phase("engine");
    TableWindow window(engine, pictures);
    fonts.reset();
    phase("window");
    FirstPaint probe(startNs, window.Table());
    window.show();
    return QApplication::exec();
}

struct Sample {
    double ms = 0;
    long kb = 0;
    double cpuMs = 0;
};

bool RunChild(const QString& self, const char* mode, Sample& out) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long start = MonotonicNs();
    child.start(self,
                {QStringLiteral("--child"), QString::fromLatin1(mode), QString::number(start)});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) return false;
    const QByteArray line = child.readAllStandardOutput().trimmed();
    return std::sscanf(line.constData(), "%lf %ld %lf", &out.ms, &out.kb, &out.cpuMs) == 3;
}

template <typename T>
T Median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "--child") {
        if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return Child(1, argv, argv[2], std::atoll(argv[3]));
    }
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 7;
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();

    // The table window alone, the whole program, the bare window, the bare window with text.
    const std::array<const char*, 4> modes{"game", "program", "bare", "text"};
    std::array<std::vector<double>, 4> ms;
    std::array<std::vector<long>, 4> kb;
    std::array<std::vector<double>, 4> cpu;
    for (int i = 0; i < runs; ++i) {
        // Alternate, so that a busy moment of the machine falls on all alike.
        for (std::size_t m = 0; m < modes.size(); ++m) {
            Sample sample;
            if (!RunChild(self, modes[m], sample)) {
                std::fprintf(stderr, "a %s child run failed (are the card strips here?)\n",
                             modes[m]);
                return 1;
            }
            ms[m].push_back(sample.ms);
            kb[m].push_back(sample.kb);
            cpu[m].push_back(sample.cpuMs);
        }
    }
    const double gm = Median(ms[0]), pm = Median(ms[1]), bm = Median(ms[2]), tm = Median(ms[3]);
    const long gk = Median(kb[0]), pk = Median(kb[1]), bk = Median(kb[2]), tk = Median(kb[3]);
    std::printf("table start-up, median of %d runs (platform %s)\n", runs,
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM")
                : std::getenv("DISPLAY")       ? "xcb"
                                               : "offscreen");
    std::printf("  time to first paint: game %8.1f ms   bare %8.1f ms   ratio %.2f\n", gm, bm,
                gm / bm);
    // Waiting for a processor only ever adds: the fastest runs show the start-up itself.
    const double gmin = *std::min_element(ms[0].begin(), ms[0].end());
    const double bmin = *std::min_element(ms[2].begin(), ms[2].end());
    std::printf("  fastest run:         game %8.1f ms   bare %8.1f ms   ratio %.2f\n", gmin, bmin,
                gmin / bmin);
    std::printf("  main thread's processor time: game %6.1f ms   bare %6.1f ms   ratio %.2f\n",
                Median(cpu[0]), Median(cpu[2]), Median(cpu[0]) / Median(cpu[2]));
    std::printf("  peak memory (VmHWM): game %8ld kB   bare %8ld kB   ratio %.2f\n", gk, bk,
                double(gk) / double(bk));
    // The table draws captions; a bare window that draws one line of text shows how much of
    // the difference is the font system starting up rather than the table.
    std::printf("  bare window + one caption: %.1f ms, %ld kB (game/that: %.2f, %.2f)\n", tm, tk,
                gm / tm, double(gk) / double(tk));
    // What a player waits for: the program with its menus, Moves window, sound and help.
    std::printf(
        "  whole program: %.1f ms, %ld kB, main thread %.1f ms (program/bare: %.2f, %.2f, "
        "%.2f)\n",
        pm, pk, Median(cpu[1]), pm / bm, double(pk) / double(bk), Median(cpu[1]) / Median(cpu[2]));
    return 0;
}
