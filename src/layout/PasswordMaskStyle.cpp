#include "layout/PasswordMaskStyle.h"

int PasswordMaskStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const {
    switch (hint) {
    case SH_LineEdit_PasswordCharacter:
        return kPasswordMaskCharacter;
    case SH_LineEdit_PasswordMaskDelay:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}
