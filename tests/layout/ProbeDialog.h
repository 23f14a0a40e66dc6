#pragma once
// Test helper: a dynamic dialog of a given client size. A test adds push buttons as controls;
// they are anchored in OnInitDialog, after the layout has started, as the program's dialogs do.
// The engine's state is open to the test.

#include "layout/cdxCDynamicDialog.h"

#include <QPointer>
#include <QPushButton>
#include <vector>

class ProbeDialog : public cdxCDynamicDialog {
public:
    enum class Placement { Kept, NotKept };

    ProbeDialog(unsigned int id, QSize client, Placement placement = Placement::NotKept,
                QWidget* parent = nullptr)
        : cdxCDynamicDialog(id, parent) {
        resize(client);
        if (placement == Placement::NotKept) {
            m_strPlacementName.clear();
        }
    }

    QPushButton* AddControl(const QRect& geometry, int horizontal, int vertical) {
        auto* control = new QPushButton(this);
        control->setGeometry(geometry);
        anchors_.push_back({control, horizontal, vertical});
        return control;
    }

    // Whether the dialog was already on screen while its controls were anchored.
    bool visibleWhileAnchoring = false;

    using cdxCDynamicWnd::m_nLayoutFlags;
    using cdxCDynamicWnd::m_nResizeDirections;
    using cdxCDynamicWnd::m_pSizeGrip;
    using cdxCDynamicWnd::m_szMaximum;
    using cdxCDynamicWndEx::m_strPlacementName;

protected:
    void OnInitDialog() override {
        cdxCDynamicDialog::OnInitDialog();
        visibleWhileAnchoring = isVisible();
        for (const Anchor& anchor : anchors_) {
            AnchorControl(anchor.control, anchor.horizontal, anchor.vertical);
        }
    }

private:
    struct Anchor {
        QPointer<QWidget> control;
        int horizontal;
        int vertical;
    };
    std::vector<Anchor> anchors_;
};
