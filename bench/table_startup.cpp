// Start-up cost of the table window against the least a window showing the same pictures
// needs: the time from process start to the first painted table and the peak memory, each
// measured in a fresh child process (`--child game` or `--child bare`), several runs each,
// medians printed with their ratio.
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
#include <string>
#include <vector>

#include "AutoTurns.h"
#include "Engine.h"
#include "FakeServices.h"
#include "TableWindow.h"
#include "PictureSet.h"
#include "TableWidget.h"

using namespace tolvanis;

namespace {

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

long PeakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
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
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [this] {
                std::printf("%.3f %ld\n", (MonotonicNs() - startNs_) / 1e6, PeakKb());
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
    if (mode == "bare" || mode == "text") {
        BareWindow window(mode == "text");
        FirstPaint probe(startNs, &window);
        window.show();
        return QApplication::exec();
    }
    const bool trace = std::getenv("TOLVANIS_BENCH_TRACE") != nullptr;
    auto phase = [&](const char* what) {
        if (trace) std::fprintf(stderr, "  %-10s %.1f ms\n", what, (MonotonicNs() - startNs) / 1e6);
    };
    phase("app");
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
    phase("window");
    FirstPaint probe(startNs, window.Table());
    window.show();
    return QApplication::exec();
}

struct Sample {
    double ms = 0;
    long kb = 0;
};

bool RunChild(const QString& self, const char* mode, Sample& out) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long start = MonotonicNs();
    child.start(self,
                {QStringLiteral("--child"), QString::fromLatin1(mode), QString::number(start)});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) return false;
    const QByteArray line = child.readAllStandardOutput().trimmed();
    return std::sscanf(line.constData(), "%lf %ld", &out.ms, &out.kb) == 2;
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

    std::vector<double> gameMs, bareMs, textMs;
    std::vector<long> gameKb, bareKb, textKb;
    for (int i = 0; i < runs; ++i) {
        // Alternate, so that a busy moment of the machine falls on all alike.
        Sample game, bare, text;
        if (!RunChild(self, "game", game) || !RunChild(self, "bare", bare) ||
            !RunChild(self, "text", text)) {
            std::fprintf(stderr, "a child run failed (are the card strips here?)\n");
            return 1;
        }
        gameMs.push_back(game.ms), gameKb.push_back(game.kb);
        bareMs.push_back(bare.ms), bareKb.push_back(bare.kb);
        textMs.push_back(text.ms), textKb.push_back(text.kb);
    }
    const double gm = Median(gameMs), bm = Median(bareMs);
    const long gk = Median(gameKb), bk = Median(bareKb);
    std::printf("table start-up, median of %d runs (platform %s)\n", runs,
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM")
                : std::getenv("DISPLAY")       ? "xcb"
                                               : "offscreen");
    std::printf("  time to first paint: game %8.1f ms   bare %8.1f ms   ratio %.2f\n", gm, bm,
                gm / bm);
    std::printf("  peak memory (VmHWM): game %8ld kB   bare %8ld kB   ratio %.2f\n", gk, bk,
                double(gk) / double(bk));
    // The table draws captions; a bare window that draws one line of text shows how much of
    // the difference is the font system starting up rather than the table.
    std::printf("  bare window + one caption: %.1f ms, %ld kB (game/that: %.2f, %.2f)\n",
                Median(textMs), Median(textKb), gm / Median(textMs),
                double(gk) / double(Median(textKb)));
    return 0;
}
