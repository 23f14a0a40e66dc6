#pragma once
// The program's static-text control: its text in a colour and font of its
// own, optionally a hyperlink. Like a static without SS_NOTIFY it leaves
// clicks and the pointer to the dialog beneath until EnableLink(); from then
// a click opens the link target. With keyboard focus, Enter or Space does what
// a click on the label does and emits Activated().

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QString>

class CORVLabel : public QLabel {
    Q_OBJECT
public:
    explicit CORVLabel(QWidget* parent = nullptr);

    // Puts a CORVLabel in place of the dialog's text static with this id,
    // with its text, geometry, state, id, stacking and tab position; null
    // when the dialog has no such static.
    static CORVLabel* SubclassDlgItem(QWidget& dialog, int id);

    void SetTextColour(const QColor& colour);
    void SetUnderline(bool on);
    void SetLinkTarget(const QString& target);
    void EnableLink();
    void SetLinkCursor(const QCursor& cursor);

    const QString& LinkTarget() const { return m_strLink; }
    // Whether clicks reach the label (SS_NOTIFY) rather than the dialog.
    bool TakesMouseInput() const;

signals:
    void Activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void TakeOverFrom(const QLabel& original);
    void OnClick();
    void ApplyTextColour();
    void PaintFocusRect();

    QColor m_crText;
    QFont m_lfFont;
    QString m_strLink;
    bool m_bLinkEnabled = true;
};
