#pragma once
// A dialog with the dynamic layout built in. OnInitDialog runs once, just before the dialog is
// first shown (show or exec), with the controls in place: the default starts the layout, which
// restores the placement remembered under "ID=0x%08lx" of the template id. Overrides call it
// first, then anchor their controls. The placement is saved when the dialog is destroyed.

#include "layout/cdxCDynamicWndEx.h"

#include <QDialog>

class cdxCDynamicDialog : public QDialog, public cdxCDynamicWndEx {
    Q_OBJECT
public:
    explicit cdxCDynamicDialog(unsigned int nIDTemplate, QWidget* parent = nullptr);
    ~cdxCDynamicDialog() override;
    cdxCDynamicDialog(const cdxCDynamicDialog&) = delete;
    cdxCDynamicDialog& operator=(const cdxCDynamicDialog&) = delete;

    [[nodiscard]] unsigned int TemplateId() const { return m_nIDTemplate; }

    // While OnInitDialog runs, the show that started it decides the visibility.
    void setVisible(bool visible) override;

protected:
    virtual void OnInitDialog();

    void resizeEvent(QResizeEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    unsigned int m_nIDTemplate;
    bool m_bInitialised = false;
    bool m_bInitialising = false;
};
