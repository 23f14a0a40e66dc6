#include "resources/IconGroup.h"

#include "resources/EmbeddedFiles.h"

std::span<const IconImage> FindIconGroup(std::uint16_t id) {
    // Built on first use: the bytes come from functions of other files.
    static const IconImage kProgramIcon[] = {
        {256, EmbeddedProgramIcon256()}, {48, EmbeddedProgramIcon48()},
        {32, EmbeddedProgramIcon32()},   {24, EmbeddedProgramIcon24()},
        {16, EmbeddedProgramIcon16()},
    };
    static const IconImage kDocumentIcon[] = {
        {256, EmbeddedDocumentIcon256()}, {48, EmbeddedDocumentIcon48()},
        {32, EmbeddedDocumentIcon32()},   {24, EmbeddedDocumentIcon24()},
        {16, EmbeddedDocumentIcon16()},
    };
    switch (id) {
    case IDI_PROGRAM_ICON:
        return kProgramIcon;
    case IDI_DOCUMENT_ICON:
        return kDocumentIcon;
    default:
        return {};
    }
}
