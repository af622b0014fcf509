#include "reference/TForm3.h"

namespace {
AddWizardSpec spec()
{
    AddWizardSpec s;
    s.objectName = QStringLiteral("Form3");
    s.caption = QStringLiteral("Nouveau rangement");
    s.heading = QStringLiteral("Assistant de création d'un nouveau rangement");
    s.help = QStringLiteral("Dans Vorelis, un rangement désigne un endroit ou  un objet dans lequel seront rangés du "
                            "matériel, des livres, des vidéos.\n"
                            "\n"
                            "Quelques exemples : \n"
                            "- Une étagére\n"
                            "- Une valise\n"
                            "- Un disque dur\n"
                            "- Un tiroir\n"
                            "\n"
                            "Plus le nom est précis, comme « Valise rouge du grenier » ou « Tiroir 2 de l'atelier », "
                            "plus il sera facile de retrouver ce rangement par la suite.");
    s.nameLabel = QStringLiteral("Nom du rangement :");
    s.descriptionLabel = QStringLiteral("Description complémentaire :");
    s.duplicateMessage = QStringLiteral("Ce rangement existe déjà !");
    s.list = &NamedLists::storagePlaces();
    return s;
}
} // namespace

TForm3::TForm3(QWidget *parent) : AddWizard(spec(), parent) {}
