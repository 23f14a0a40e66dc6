// The main window with a 10 MB message in its text box: the box showing the
// armour or the plain text (its document, one paint, and the window following
// the change), and one key typed at the end of the armour. Beside
// bench_message, this is what the window adds to sealing and opening. Runs on
// Qt's offscreen platform unless another is named.

#include "MessageText.h"
#include "container/SealMessage.h"
#include "layout/DlgItem.h"
#include "ui/CQMXReaderDlg.h"
#include "ui/TextBoxContents.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

namespace {

constexpr int kTextBox = 1001;

QString Armour() {
    std::string armour;
    (void)SealMessage(MessageText(), MessagePassword(), false, "Comment", armour);
    return QString::fromStdString(armour);
}

struct ShownWindow {
    ShownWindow() {
        window.show();
        QApplication::processEvents();
    }
    QPlainTextEdit& Box() { return *GetDlgItemAs<QPlainTextEdit>(window, kTextBox); }

    CQMXReaderDlg window;
};

void Show(benchmark::State& state, const QString& text) {
    ShownWindow shown;
    for (auto _ : state) {
        SetTextBoxContents(shown.Box(), text);
        QApplication::processEvents();
    }
}

void BM_ShowArmour(benchmark::State& state) {
    Show(state, Armour());
}

void BM_ShowPlainText(benchmark::State& state) {
    Show(state, QString::fromStdString(MessageText()));
}

void TypeAKeyAtTheEnd(benchmark::State& state, const QString& text) {
    ShownWindow shown;
    SetTextBoxContents(shown.Box(), text);
    QTextCursor cursor(shown.Box().document());
    cursor.movePosition(QTextCursor::End);
    for (auto _ : state) {
        cursor.insertText(QStringLiteral("x"));
        QApplication::processEvents();
        state.PauseTiming();
        cursor.deletePreviousChar();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_TypeAKeyAfterTheArmour(benchmark::State& state) {
    TypeAKeyAtTheEnd(state, Armour());
}

// No marker to be found: the whole text is searched.
void BM_TypeAKeyAfterThePlainText(benchmark::State& state) {
    TypeAKeyAtTheEnd(state, QString::fromStdString(MessageText()));
}

BENCHMARK(BM_ShowArmour)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowPlainText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAKeyAfterTheArmour)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAKeyAfterThePlainText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    // Window placements are remembered: keep them out of the user's settings.
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
