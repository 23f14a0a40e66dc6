#include "layout/DialogTemplateBuilder.h"

#include "resources/ActiveLanguage.h"
#include "resources/ControlIds.h"
#include "resources/FindTemplate.h"
#include "resources/WindowStyles.h"
#include "layout/ControlFactory.h"
#include "layout/DialogBaseUnits.h"
#include "layout/DialogWindowFlags.h"
#include "layout/DlgItem.h"
#include "layout/TemplateFont.h"
#include "layout/TemplateValues.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

// Windows draws a captionless modal frame around the client area; Qt has no
// such frame, so a raised panel along the client's edge stands in for it.
void AddModalFrame(QDialog& dialog) {
    auto* frame = new QFrame(&dialog);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    frame->setGeometry(dialog.rect());
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
}

void ApplyWindowStyle(QDialog& dialog, const DialogTemplate& dialogTemplate,
                      DialogBaseUnits units) {
    dialog.setWindowTitle(QStringFromUtf8(dialogTemplate.caption));
    dialog.setWindowFlags(WindowFlagsForStyle(dialogTemplate.style, dialogTemplate.exStyle));
    const QSize client = MapDialogSize(dialogTemplate.rect, units);
    if (HasSizingBorder(dialogTemplate.style)) {
        dialog.resize(client);
    } else {
        dialog.setFixedSize(client);
    }
    dialog.setAcceptDrops(HasStyle(dialogTemplate.exStyle, WS_EX_ACCEPTFILES));
    if (!HasStyle(dialogTemplate.style, WS_CAPTION) &&
        HasStyle(dialogTemplate.style, DS_MODALFRAME)) {
        AddModalFrame(dialog);
    }
}

void ApplyControlStyle(QWidget& widget, const DialogControl& control) {
    SetDlgItemId(widget, control.id);
    widget.setEnabled(!HasStyle(control.style, WS_DISABLED));
    if (!HasStyle(control.style, WS_VISIBLE)) {
        widget.hide();
    }
    if (!HasStyle(control.style, WS_TABSTOP)) {
        widget.setFocusPolicy(Qt::NoFocus);
    } else if ((widget.focusPolicy() & Qt::TabFocus) == 0) {
        widget.setFocusPolicy(Qt::StrongFocus);
    }
}

// Gives each static whose '&' marks a mnemonic the next tab stop in template
// order as its buddy, wrapping around at the end as the dialog manager's
// search does.
class MnemonicBuddies {
public:
    void Add(QWidget& widget, const DialogControl& control) {
        if (QLabel* label = MnemonicLabel(widget, control)) {
            m_pendingLabel = label;
        }
        if (!HasStyle(control.style, WS_TABSTOP)) {
            return;
        }
        if (m_firstTabStop == nullptr) {
            m_firstTabStop = &widget;
        }
        GiveBuddy(widget);
    }

    void Close() {
        if (m_firstTabStop != nullptr) {
            GiveBuddy(*m_firstTabStop);
        }
    }

private:
    static QLabel* MnemonicLabel(QWidget& widget, const DialogControl& control) {
        auto* label = qobject_cast<QLabel*>(&widget);
        const bool hasPrefix = !HasStyle(control.style, SS_NOPREFIX) &&
                               control.text.find('&') != std::string_view::npos;
        return hasPrefix ? label : nullptr;
    }

    void GiveBuddy(QWidget& widget) {
        if (m_pendingLabel != nullptr) {
            m_pendingLabel->setBuddy(&widget);
            m_pendingLabel = nullptr;
        }
    }

    QWidget* m_firstTabStop = nullptr;
    QLabel* m_pendingLabel = nullptr;
};

// Without a BS_DEFPUSHBUTTON the dialog manager's default id is IDOK. Left
// alone, QDialog would make its first push button the default instead.
void SetDefaultButton(QDialog& dialog) {
    const auto buttons = dialog.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    if (std::ranges::any_of(buttons, &QPushButton::isDefault)) {
        return;
    }
    if (auto* ok = GetDlgItemAs<QPushButton>(dialog, IDOK)) {
        ok->setDefault(true);
    }
}

} // namespace

void BuildDialogFromTemplate(QDialog& dialog, const DialogTemplate& dialogTemplate,
                             std::uint16_t langId) {
    const QFont font = ResolveTemplateFont(dialogTemplate.font, langId);
    dialog.setFont(font);
    const DialogBaseUnits units = MeasureDialogBaseUnits(font);
    ApplyWindowStyle(dialog, dialogTemplate, units);

    // Qt's focus chain is creation order, so the tab order is template order.
    MnemonicBuddies buddies;
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* widget = CreateControlWidget(control, MapDialogRect(control.rect, units), dialog);
        ApplyControlStyle(*widget, control);
        buddies.Add(*widget, control);
    }
    buddies.Close();
    SetDefaultButton(dialog);
}

bool BuildDialogFromTemplate(QDialog& dialog, std::uint16_t templateId, std::uint16_t langId) {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId, langId);
    if (dialogTemplate == nullptr) {
        return false;
    }
    BuildDialogFromTemplate(dialog, *dialogTemplate, langId);
    return true;
}

bool BuildDialogFromTemplate(QDialog& dialog, std::uint16_t templateId) {
    return BuildDialogFromTemplate(dialog, templateId, ActiveLanguage());
}
