#include "ui/about/DownloadLinks.h"

namespace quillex::ui {

const std::array<DownloadLink, 8>& DownloadLinks() {
    static const std::array<DownloadLink, 8> links = {{
        {QStringLiteral("Eliot"),
         QStringLiteral("Scrabble duplicate en français, seul ou à plusieurs."),
         QStringLiteral("https://www.nongnu.org/eliot/")},
        {QStringLiteral("Quackle"),
         QStringLiteral("Adversaire et analyseur de parties de Scrabble."),
         QStringLiteral("https://people.csail.mit.edu/jasonkb/quackle/")},
        {QStringLiteral("Qxw"),
         QStringLiteral("Pour construire ses propres grilles de mots croisés."),
         QStringLiteral("https://www.quinapalus.com/qxw.html")},
        {QStringLiteral("Kanagram"),
         QStringLiteral("Jeu d'anagrammes : retrouver le mot dont les lettres sont mêlées."),
         QStringLiteral("https://apps.kde.org/kanagram/")},
        {QStringLiteral("KHangMan"),
         QStringLiteral("Le jeu du pendu, avec des listes de mots en français."),
         QStringLiteral("https://apps.kde.org/khangman/")},
        {QStringLiteral("KWordQuiz"),
         QStringLiteral("Fiches pour apprendre et réviser du vocabulaire."),
         QStringLiteral("https://apps.kde.org/kwordquiz/")},
        {QStringLiteral("GCompris"),
         QStringLiteral("Activités éducatives, dont des jeux de lettres pour les enfants."),
         QStringLiteral("https://gcompris.net/index-fr.html")},
        {QStringLiteral("LibreOffice"),
         QStringLiteral("Suite bureautique libre, avec dictionnaire et synonymes français."),
         QStringLiteral("https://fr.libreoffice.org/")},
    }};
    return links;
}

}  // namespace quillex::ui
