#pragma once
// The look of a password edit box as common controls 6 draw it: every
// character masked with the black circle U+25CF, and none shown in clear for
// a moment after typing. Wraps the application's style for one widget.

#include <QProxyStyle>

inline constexpr char16_t kPasswordMaskCharacter = u'\u25CF';

class PasswordMaskStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
