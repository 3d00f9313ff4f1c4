#include "panelmetadata.h"

namespace qorvpanel {

const QList<MemberInfo>& members()
{
    static const QList<MemberInfo> table = {
        {"Caption", -518, QString::fromUtf8("Renvoie ou définit le texte affiché dans le contrôle."), "Apparence"},
        {"CaptionAlign", 0x6803000D,
         QString::fromUtf8("Renvoie ou définit la position du texte affiché dans le contrôle."), {}},
        {"BackColor", 0x6803000C, QString::fromUtf8("Renvoie ou définit la couleur de fond du contrôle."), {}},
        {"ForeColor", 0x6803000B,
         QString::fromUtf8("Renvoie ou définit la couleur du texte affiché par le contrôle."), {}},
        {"Enabled", 0x6803000A,
         QString::fromUtf8("Renvoie ou définit si le contrôle répond aux actions de l'utilisateur."), "Comportement"},
        {"Font", -512, QString::fromUtf8("Renvoie ou définit le style de police utilisé par le contrôle."), "Police"},
        {"BorderStyle", 0x68030009, QString::fromUtf8("Renvoie ou définit le style de bordure du contrôle."), {}},
        {"Picture", 0x68030008, QString::fromUtf8("Renvoie ou définit un graphisme à afficher dans un contrôle."), {}},
        {"GradientBackColor", 0x68030007,
         QString::fromUtf8("Renvoie ou définit si le contrôle affiche un dégradé de couleur."), {}},
        {"GradientColorStart", 0x68030006, QString::fromUtf8("Renvoie ou définit la couleur de début du dégradé."), {}},
        {"GradientColorEnd", 0x68030005, QString::fromUtf8("Renvoie ou définit la couleur de fin du dégradé."), {}},
        {"GradientSens", 0x68030004, QString::fromUtf8("Renvoie ou définit le sens du dégradé."), {}},
        {"hdc", 0x68030003,
         QString::fromUtf8("Renvoie un descripteur (issu de Microsoft Windows) vers le contexte du périphérique de "
                           "l'objet."),
         {}},
        {"hwnd", 0x68030002,
         QString::fromUtf8("Renvoie un descripteur (issu de Microsoft Windows) vers une fenêtre d'objet."), {}},
        {"ToolTipText", 0x68030001,
         QString::fromUtf8("Renvoie ou définit le texte de l'info-bulle qui s'affiche lorsque la souris est placée "
                           "sur le contrôle."),
         {}},
        {"URLPicture", 0x68030000, QString::fromUtf8("Renvoie ou définit l'image à téléchargé."), {}},
        {"ShowAboutBox", -552, QString::fromUtf8("Affiche la boite de dialogue A propos de."), {}},
    };
    return table;
}

std::optional<MemberInfo> memberNamed(const QString& name)
{
    for (const MemberInfo& m : members()) {
        if (m.name.compare(name, Qt::CaseInsensitive) == 0)
            return m;
    }
    return std::nullopt;
}

} // namespace qorvpanel
