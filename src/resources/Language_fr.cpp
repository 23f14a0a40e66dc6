// French (France). French typography wants a no-break space (U+00A0)
// inside « » and before ? so the marks never wrap away from their words.

#include "resources/LanguageResources.h"

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
    {57344, "Visionneuse Quiralis"},
};

} // namespace

constinit const LanguageResources g_languageFrench{1036, kStrings};
