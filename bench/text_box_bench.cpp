// The main window's text box with a 10 MB message: showing its armour or its
// plain text, and reading the armour back as the window does before opening
// it. Beside bench_message, this is what the window adds to sealing and
// opening. Runs on Qt's offscreen platform unless another is named.

#include "container/SealMessage.h"
#include "ui/TextBoxContents.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t kTextBytes = 10'000'000;

std::string PlainText() {
    const std::string line = "Meet at ten by the gr\xC3\xBCne T\xC3\xBCr, bring the papers.\n";
    std::string text;
    while (text.size() < kTextBytes) {
        text += line;
    }
    text.resize(kTextBytes);
    return text;
}

QString Armour() {
    const std::string password = "correct horse battery staple";
    std::string armour;
    (void)SealMessage(PlainText(),
                      {reinterpret_cast<const std::uint8_t*>(password.data()), password.size()},
                      false, "Comment", armour);
    return QString::fromStdString(armour);
}

// The box as the main window has it, shown, with one paint after each change.
void Show(benchmark::State& state, const QString& text) {
    QPlainTextEdit box;
    box.resize(640, 400);
    box.show();
    for (auto _ : state) {
        SetTextBoxContents(box, text);
        QApplication::processEvents();
    }
}

void BM_ShowArmour(benchmark::State& state) {
    Show(state, Armour());
}

void BM_ShowPlainText(benchmark::State& state) {
    Show(state, QString::fromStdString(PlainText()));
}

void BM_ReadArmourBack(benchmark::State& state) {
    QPlainTextEdit box;
    SetTextBoxContents(box, Armour());
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextBoxContents(box).toUtf8().size());
    }
}

BENCHMARK(BM_ShowArmour)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowPlainText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadArmourBack)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
