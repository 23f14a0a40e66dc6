#include "layout/CTemplateDialog.h"

#include "resources/ActiveLanguage.h"
#include "resources/FindTemplate.h"
#include "layout/DialogTemplateBuilder.h"

CTemplateDialog::CTemplateDialog(std::uint16_t templateId, QWidget* parent)
    : QDialog(parent), m_pTemplate(FindDialogTemplate(templateId, ActiveLanguage())) {
    if (m_pTemplate != nullptr) {
        BuildDialogFromTemplate(*this, *m_pTemplate, ActiveLanguage());
    }
}
