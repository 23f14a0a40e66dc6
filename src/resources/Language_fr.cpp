// French (France). French typography wants a no-break space (U+00A0)
// inside « » and before ? so the marks never wrap away from their words.

#include "resources/ControlIds.h"
#include "resources/LanguageResources.h"
#include "resources/TemplateStyles.h"

namespace {

constexpr StringEntry kStrings[] = {
    {101, "À &propos de Visionneuse Quiralis..."},
    {102, "Déchiffrement du fichier «\u00A0%s\u00A0»"},
    {103, "------QMX BEGIN MSG------"},
    {104, "-------QMX END MSG-------"},
    {105, "Chiffré avec Quiralis."},
    {106, "Erreur. Le chiffrement et le déchiffrement de dossiers ne sont pas pris en charge."},
    {107, "%s en raison d'une erreur."},
    {108, "%s car son format n'est pas pris en charge ou n'est pas valide."},
    {109, "%s car le mot de passe est incorrect."},
    {110, "%s car il est protégé par une clé de chiffrement."},
    {111, "%s car les données sont endommagées ou non valides."},
    {112, "%s.\nL'erreur renvoyée est %08X."},
    {113, "%s car le fichier de sortie n'a pas pu être créé.\n\nVérifiez que l'emplacement de "
          "sortie n'est pas en lecture seule et que le fichier de sortie n'existe pas déjà."},
    {114, "Entrez le mot de passe pour déchiffrer le fichier «\u00A0%s\u00A0»."},
    {115, "Entrez un mot de passe pour chiffrer le fichier «\u00A0%s\u00A0»."},
    {116, "Voulez-vous vraiment quitter\u00A0?"},
    {117, "Entrez le mot de passe pour déchiffrer le message."},
    {118, "Entrez un mot de passe pour chiffrer le message."},
    {119, "Déchiffrement du message"},
    {120, "Le texte n'a pas pu être déchiffré"},
    {121, "%s car le fichier source est vide."},
    {122, "%s car la taille du fichier n'est pas prise en charge (plus de 4\u00A0Go)."},
    {123, "Chiffré avec Quiralis."},
    {124, "L'expéditeur de ce message a choisi l'option Forcer la visionneuse.\nCe message va "
          "donc maintenant être ouvert dans la visionneuse."},
    {125, "Le fichier «\u00A0%s\u00A0» existe déjà.\n\nVoulez-vous le remplacer\u00A0?"},
    {126, "Un problème est survenu lors de la suppression du fichier %s."},
    {127, "Le fichier «\u00A0%s\u00A0» n'a pas pu être déchiffré"},
    {128, "Le fichier «\u00A0%s\u00A0» n'a pas pu être chiffré"},
    {129, "Entrez un mot de passe pour chiffrer les fichiers."},
    {130, "Chiffrement du fichier «\u00A0%s\u00A0»"},
    {131, "Erreur. Le chemin source est trop long pour y ajouter l'extension «\u00A0.qmx\u00A0»."
          "\n\n(«\u00A0%s\u00A0»)"},
    {132, "%d fichiers chiffrés avec succès."},
    {133, "%d fichiers déchiffrés avec succès."},
    {134, "%d fichiers traités avec succès."},
    {135, "Le fichier a été chiffré sous le nom «\u00A0%s\u00A0»."},
    {136, "Le fichier a été déchiffré sous le nom «\u00A0%s\u00A0»."},
    {137, "%s en raison d'un manque de mémoire."},
    {138, "Le texte n'a pas pu être chiffré"},
    {139, "Chiffrement du fichier.."},
    {140, "Déchiffrement du fichier.."},
    {141, "Initialisation.."},
    {142, "Visiter le site web de Quiralis"},
    {143, "https://quiralis.example/reader"},
    // A drop that holds locations which are not local files.
    {145, "Ces emplacements ne sont pas des fichiers locaux et n’ont pas été ouverts :"},
    {57344, "Visionneuse Quiralis"},
};

// clang-format off
// About box; the legal notice is narrower than in English.
constexpr DialogControl kAboutControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle | WS_GROUP, 0, {223, 67, 50, 16}},
    {IDC_STATIC, "STATIC", "Copyright © 2026 Brellic.", kTextStyle, 0,
     {39, 43, 108, 8}},
    {1014, "STATIC", "Contrat de licence", kTextStyle, 0, {39, 56, 233, 8}},
    {1012, "STATIC", "### Informations de version ###", kTextStyle, 0, {39, 31, 146, 8}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {6, 7, 198, 21}, 144},
    {1010, "STATIC", "https://quiralis.example/reader", kTextStyle, 0, {39, 71, 173, 8}},
};

// Main window.
constexpr DialogControl kMainControls[] = {
    {1001, "RichEdit20W", "", kTextBoxStyle, 0, {7, 43, 369, 200}},
    {1008, "BUTTON", "&Chiffrer", kPushButtonStyle, 0, {253, 5, 50, 14}},
    {1007, "BUTTON", "&Déchiffrer", kPushButtonStyle, 0, {303, 5, 50, 14}},
    {1015, "BUTTON", "À &propos", WS_CHILD | WS_TABSTOP, 0, {124, 25, 50, 14}},
    {1002, "BUTTON", "Test", WS_CHILD | WS_TABSTOP, 0, {175, 25, 50, 14}},
    {1004, "BUTTON", "&Tout copier", kPushButtonStyle, 0, {226, 21, 50, 14}},
    {1005, "BUTTON", "C&oller", kPushButtonStyle, 0, {276, 21, 50, 14}},
    {1006, "BUTTON", "&Effacer", kPushButtonStyle, 0, {326, 21, 50, 14}},
    {IDOK, "BUTTON", "&Quitter", kPushButtonStyle, 0, {326, 246, 50, 14}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {7, 8, 166, 22}, 144},
    {1017, "STATIC",
     "Tapez ou collez du texte, ou déposez des fichiers dans la fenêtre ci-dessus pour chiffrer "
     "ou déchiffrer.",
     kTextStyle, 0, {9, 248, 312, 18}},
};

// "Working.." box.
constexpr DialogControl kWorkingControls[] = {
    {1003, "STATIC", "Traitement en cours..", kTextStyle, 0, {46, 12, 245, 36}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {12, 15, 21, 20}, 128},
};

// File progress dialog; Cancel starts enabled.
constexpr DialogControl kProgressControls[] = {
    {1003, "STATIC", "##Chiffrement/Déchiffrement du fichier##", kTextStyle, 0, {30, 6, 248, 10}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {3, 6, 21, 20}, 128},
    {1004, "STATIC", "##Nom du fichier##", kTextStyle, 0, {30, 21, 248, 10}},
    {1018, "msctls_progress32", "", kProgressBarStyle, 0, {30, 36, 248, 14}},
    {IDCANCEL, "BUTTON", "&Annuler", kPushButtonStyle, 0, {228, 56, 50, 14}},
};

// Password dialog.
constexpr DialogControl kPasswordControls[] = {
    {1002, "EDIT", "", kPasswordEditStyle, 0, {79, 58, 221, 14}},
    {1008, "EDIT", "", kPasswordEditStyle, 0, {79, 79, 221, 14}},
    {1016, "BUTTON", "Imposer la visionneuse au destinataire", kCheckBoxStyle, 0,
     {7, 118, 167, 10}},
    {1009, "BUTTON", "&Afficher la saisie", kCheckBoxStyle, 0, {206, 98, 93, 10}},
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {194, 114, 50, 14}},
    {IDCANCEL, "BUTTON", "Annuler", kPushButtonStyle, 0, {251, 114, 50, 14}},
    {1003, "STATIC", "Static", kTextStyle, 0, {37, 10, 263, 40}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {10, 10, 21, 20}, 128},
    {1019, "STATIC", "Mot de passe", kRightTextStyle, 0, {7, 60, 63, 8}},
    {1020, "STATIC", "Confirmation", kRightTextStyle, 0, {7, 82, 63, 8}},
};

// Licence agreement.
constexpr DialogControl kLicenceControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {294, 264, 50, 14}},
    {1001, "RichEdit20W", "", kTextBoxStyle | ES_READONLY, 0, {6, 6, 342, 252}},
};

// Message viewer; the text takes no focus, so OK has it.
constexpr DialogControl kViewerControls[] = {
    {IDOK, "BUTTON", "OK", kDefaultButtonStyle, 0, {281, 225, 50, 14}},
    {1471, "RichEdit20W", "", kScrolledTextStyle | ES_READONLY, 0, {0, 0, 337, 220}},
};

constexpr DialogTemplate kDialogs[] = {
    {100, "À propos de Visionneuse Quiralis", kModalDialogStyle, 0,
     {0, 0, 279, 89}, kAboutControls},
    {102, "Visionneuse Quiralis", kMainDialogStyle, WS_EX_APPWINDOW | WS_EX_ACCEPTFILES,
     {0, 0, 383, 267}, kMainControls},
    {107, "", kBoxDialogStyle | DS_SYSMODAL, WS_EX_TOPMOST, {0, 0, 296, 54}, kWorkingControls},
    {108, "", kBoxDialogStyle, 0, {0, 0, 281, 73}, kProgressControls},
    {131, "Saisie du mot de passe", kModalDialogStyle, 0, {0, 0, 307, 135}, kPasswordControls},
    {134, "Contrat de licence de Visionneuse Quiralis", kModalDialogStyle, 0,
     {0, 0, 355, 286}, kLicenceControls},
    {270, "Visionneuse de messages Quiralis", kViewerDialogStyle, 0,
     {0, 0, 337, 245}, kViewerControls},
};

// clang-format on

constexpr MenuItem kContextMenuItems[] = {
    {32771, "Copier"},
    {32772, "Coller"},
    kMenuSeparator,
    {32773, "Sélectionner tout"},
};

constexpr MenuTemplate kMenus[] = {
    {132, kContextMenuItems},
};

} // namespace

constinit const LanguageResources g_languageFrench{
    .langId = 1036, .strings = kStrings, .dialogs = kDialogs, .menus = kMenus};
