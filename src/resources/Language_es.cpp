// Spanish (neutral sub-language), serving every Spanish locale. One term
// each throughout: contraseña, archivo, cifrar, descifrar, mensaje, visor.

#include "resources/ControlIds.h"
#include "resources/LanguageResources.h"
#include "resources/TemplateStyles.h"

namespace {

constexpr StringEntry kStrings[] = {
    {101, "&Acerca de Quiralis Reader..."},
    {102, R"(Descifrando el archivo "%s")"},
    {103, "------QMX BEGIN MSG------"},
    {104, "-------QMX END MSG-------"},
    {105, "Cifrado con Quiralis."},
    {106, "Error. No se admite el cifrado ni el descifrado de carpetas."},
    {107, "%s debido a un error."},
    {108, "%s porque no tiene un formato admitido o válido."},
    {109, "%s porque la contraseña es incorrecta."},
    {110, "%s porque utiliza una clave de cifrado."},
    {111, "%s porque los datos están dañados o no son válidos."},
    {112, R"(%s.
El error devuelto fue %08X.)"},
    {113, "%s porque no se pudo crear el archivo de salida.\n\n"
          "Compruebe que la ubicación de salida no sea de solo lectura y que el archivo de "
          "salida no exista."},
    {114, R"(Introduzca la contraseña para descifrar el archivo "%s".)"},
    {115, R"(Introduzca una contraseña para cifrar el archivo "%s".)"},
    {116, "¿Está seguro de que desea salir?"},
    {117, "Introduzca una contraseña para descifrar el mensaje."},
    {118, "Introduzca una contraseña para cifrar el mensaje."},
    {119, "Descifrando el mensaje"},
    {120, "No se pudo descifrar el texto"},
    {121, "%s porque el archivo de origen está vacío."},
    {122, "%s porque el archivo tiene un tamaño no admitido. (Mayor de 4 GB)."},
    {123, "Cifrado con Quiralis."},
    {124, R"(El remitente de este mensaje ha elegido usar la opción Forzar visor.
Por lo tanto, este mensaje se abrirá ahora en el visor.)"},
    {125, R"(El archivo "%s" ya existe.

¿Desea reemplazarlo?)"},
    {126, "Se produjo un problema al eliminar el archivo %s."},
    {127, R"(No se pudo descifrar el archivo "%s")"},
    {128, R"(No se pudo cifrar el archivo "%s")"},
    {129, "Introduzca una contraseña para cifrar los archivos."},
    {130, R"(Cifrando el archivo "%s")"},
    {131, R"(Error. La ruta de origen es demasiado larga para añadir la extensión ".qmx".

("%s"))"},
    {132, "%d archivos cifrados correctamente."},
    {133, "%d archivos descifrados correctamente."},
    {134, "%d archivos procesados correctamente."},
    {135, R"(Archivo cifrado como "%s".)"},
    {136, R"(Archivo descifrado como "%s".)"},
    {137, "%s por falta de memoria."},
    {138, "No se pudo cifrar el texto"},
    {139, "Cifrando archivo.."},
    {140, "Descifrando archivo.."},
    {141, "Inicializando.."},
    {142, "Visitar el sitio web de Quiralis"},
    {143, "https://quiralis.example/reader"},
    // A drop that holds locations which are not local files.
    {145, "Estas ubicaciones no son archivos locales y no se han abierto:"},
    {57344, "Quiralis Reader"},
};

// clang-format off
// About box; the notice's static is narrower than in English.
constexpr DialogControl kAboutControls[] = {
    {IDOK, "BUTTON", "Aceptar", kDefaultButtonStyle | WS_GROUP, 0, {223, 67, 50, 16}},
    {IDC_STATIC, "STATIC", "Copyright © 2026 Brellic.", kTextStyle, 0, {39, 43, 108, 8}},
    {1014, "STATIC", "Contrato de licencia", kTextStyle, 0, {39, 56, 233, 8}},
    {1012, "STATIC", "### Información de versión ###", kTextStyle, 0, {39, 31, 146, 8}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {6, 7, 198, 21}, 144},
    {1010, "STATIC", "https://quiralis.example/reader", kTextStyle, 0, {39, 71, 173, 8}},
};

// Main window.
constexpr DialogControl kMainControls[] = {
    {1001, "RichEdit20W", "", kTextBoxStyle, 0, {7, 43, 369, 200}},
    {1008, "BUTTON", "&Cifrar", kPushButtonStyle, 0, {253, 5, 50, 14}},
    {1007, "BUTTON", "&Descifrar", kPushButtonStyle, 0, {303, 5, 50, 14}},
    {1015, "BUTTON", "&Acerca de", WS_CHILD | WS_TABSTOP, 0, {124, 25, 50, 14}},
    {1002, "BUTTON", "Prueba", WS_CHILD | WS_TABSTOP, 0, {175, 25, 50, 14}},
    {1004, "BUTTON", "C&opiar todo", kPushButtonStyle, 0, {226, 21, 50, 14}},
    {1005, "BUTTON", "&Pegar", kPushButtonStyle, 0, {276, 21, 50, 14}},
    {1006, "BUTTON", "&Borrar", kPushButtonStyle, 0, {326, 21, 50, 14}},
    {IDOK, "BUTTON", "&Salir", kPushButtonStyle, 0, {326, 246, 50, 14}},
    {1011, "STATIC", "", kBitmapStyle, WS_EX_TRANSPARENT, {7, 8, 166, 22}, 144},
    {1017, "STATIC",
     "Escriba o pegue texto, o arrastre archivos a la ventana de arriba, para cifrar o "
     "descifrar.",
     kTextStyle, 0, {9, 248, 312, 18}},
};

// "Working.." box.
constexpr DialogControl kWorkingControls[] = {
    {1003, "STATIC", "Procesando..", kTextStyle, 0, {46, 12, 245, 36}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {12, 15, 21, 20}, 128},
};

// File progress dialog; Cancel starts enabled, the icon is 21 wide.
constexpr DialogControl kProgressControls[] = {
    {1003, "STATIC", "##Cifrando/descifrando archivo##", kTextStyle, 0, {30, 6, 248, 10}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {3, 6, 21, 20}, 128},
    {1004, "STATIC", "##Nombre de archivo##", kTextStyle, 0, {30, 21, 248, 10}},
    {1018, "msctls_progress32", "", kProgressBarStyle, 0, {30, 36, 248, 14}},
    {IDCANCEL, "BUTTON", "&Cancelar", kPushButtonStyle, 0, {228, 56, 50, 14}},
};

// Password dialog; the icon is 21 wide.
constexpr DialogControl kPasswordControls[] = {
    {1002, "EDIT", "", kPasswordEditStyle, 0, {79, 58, 221, 14}},
    {1008, "EDIT", "", kPasswordEditStyle, 0, {79, 79, 221, 14}},
    {1016, "BUTTON", "Obligar al destinatario a usar el visor", kCheckBoxStyle, 0,
     {7, 118, 167, 10}},
    {1009, "BUTTON", "&Mostrar lo escrito", kCheckBoxStyle, 0, {206, 98, 93, 10}},
    {IDOK, "BUTTON", "Aceptar", kDefaultButtonStyle, 0, {194, 114, 50, 14}},
    {IDCANCEL, "BUTTON", "Cancelar", kPushButtonStyle, 0, {251, 114, 50, 14}},
    {1003, "STATIC", "Static", kTextStyle, 0, {37, 10, 263, 40}},
    {IDC_STATIC, "STATIC", "", kIconStyle, 0, {10, 10, 21, 20}, 128},
    {1019, "STATIC", "Contraseña", kRightTextStyle, 0, {7, 60, 63, 8}},
    {1020, "STATIC", "Confirmar", kRightTextStyle, 0, {7, 82, 63, 8}},
};

// Licence agreement.
constexpr DialogControl kLicenceControls[] = {
    {IDOK, "BUTTON", "Aceptar", kDefaultButtonStyle, 0, {294, 264, 50, 14}},
    {1001, "RichEdit20W", "", kTextBoxStyle | ES_READONLY, 0, {6, 6, 342, 252}},
};

// Message viewer.
constexpr DialogControl kViewerControls[] = {
    {IDOK, "BUTTON", "Aceptar", kDefaultButtonStyle, 0, {281, 225, 50, 14}},
    {1471, "RichEdit20W", "", kScrolledTextStyle | ES_READONLY, 0, {0, 0, 337, 220}},
};

constexpr DialogTemplate kDialogs[] = {
    {100, "Acerca de Quiralis Reader", kModalDialogStyle, 0, {0, 0, 279, 89}, kAboutControls},
    {102, "Quiralis Reader", kMainDialogStyle, WS_EX_APPWINDOW | WS_EX_ACCEPTFILES,
     {0, 0, 383, 267}, kMainControls},
    {107, "", kBoxDialogStyle | DS_SYSMODAL, WS_EX_TOPMOST, {0, 0, 296, 54}, kWorkingControls},
    {108, "", kBoxDialogStyle, 0, {0, 0, 281, 73}, kProgressControls},
    {131, "Introducir contraseña", kModalDialogStyle, 0, {0, 0, 307, 135}, kPasswordControls},
    {134, "Contrato de licencia de Quiralis Reader", kModalDialogStyle, 0, {0, 0, 355, 286},
     kLicenceControls},
    {270, "Visor de mensajes de Quiralis", kViewerDialogStyle, 0, {0, 0, 337, 245},
     kViewerControls},
};
// clang-format on

constexpr MenuItem kContextMenuItems[] = {
    {32771, "Copiar"},
    {32772, "Pegar"},
    kMenuSeparator,
    {32773, "Seleccionar todo"},
};

constexpr MenuTemplate kMenus[] = {
    {132, kContextMenuItems},
};

} // namespace

constinit const LanguageResources g_languageSpanish{
    .langId = 10, .strings = kStrings, .dialogs = kDialogs, .menus = kMenus};
