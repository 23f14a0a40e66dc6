#include "LayoutCheck.h"

#include "layout/DlgItem.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <vector>

namespace {

// The frame a Windows push button keeps clear of its text, per side.
constexpr int kButtonFramePixels = 3;

QString Describe(const QWidget& control, const QString& problem) {
    return QStringLiteral("control %1: %2").arg(DlgItemId(control).value_or(0)).arg(problem);
}

QString WithoutMnemonics(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")))
        .replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString LabelProblem(const QLabel& label) {
    if (label.text().isEmpty()) {
        return {};
    }
    const int flags = static_cast<int>(label.alignment()) | Qt::TextWordWrap |
                      (label.buddy() != nullptr ? Qt::TextShowMnemonic : 0);
    const QRect needed = label.fontMetrics().boundingRect(
        QRect(0, 0, label.width(), QWIDGETSIZE_MAX), flags, label.text());
    if (needed.width() > label.width() || needed.height() > label.height()) {
        return QStringLiteral("text \"%1\" needs %2x%3 px, has %4x%5")
            .arg(label.text())
            .arg(needed.width())
            .arg(needed.height())
            .arg(label.width())
            .arg(label.height());
    }
    return {};
}

QString ButtonProblem(const QPushButton& button) {
    const int needed = button.fontMetrics().horizontalAdvance(WithoutMnemonics(button.text())) +
                       2 * kButtonFramePixels;
    if (needed > button.width()) {
        return QStringLiteral("text \"%1\" needs %2 px, has %3")
            .arg(button.text())
            .arg(needed)
            .arg(button.width());
    }
    return {};
}

QString CheckBoxProblem(const QCheckBox& box) {
    const QStyle& style = *box.style();
    const int needed = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box) +
                       style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &box) +
                       box.fontMetrics().horizontalAdvance(WithoutMnemonics(box.text()));
    if (needed > box.width()) {
        return QStringLiteral("text \"%1\" needs %2 px, has %3")
            .arg(box.text())
            .arg(needed)
            .arg(box.width());
    }
    return {};
}

QString TextProblem(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return LabelProblem(*label);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return ButtonProblem(*button);
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
        return CheckBoxProblem(*box);
    }
    return {};
}

std::vector<const QWidget*> VisibleControls(const QDialog& dialog) {
    std::vector<const QWidget*> controls;
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (DlgItemId(*child).has_value() && child->isVisibleTo(&dialog)) {
            controls.push_back(child);
        }
    }
    return controls;
}

} // namespace

QStringList FindLayoutProblems(const QDialog& dialog) {
    QStringList problems;
    const std::vector<const QWidget*> controls = VisibleControls(dialog);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QString problem = TextProblem(*controls[i]);
        if (!problem.isEmpty()) {
            problems << Describe(*controls[i], problem);
        }
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->geometry().intersects(controls[j]->geometry())) {
                problems << Describe(
                    *controls[i],
                    QStringLiteral("overlaps control %1").arg(DlgItemId(*controls[j]).value_or(0)));
            }
        }
    }
    return problems;
}
