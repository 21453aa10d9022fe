#include "liaison/ports.h"

#include <QRegularExpression>

#include <algorithm>

namespace optolink {

namespace {
// Adapter families, in the order they are numbered: the name's stem and its number.
const QRegularExpression familles[] = {
    QRegularExpression(QStringLiteral("^/dev/(ttyUSB)(\\d+)$")),
    QRegularExpression(QStringLiteral("^/dev/(ttyACM)(\\d+)$")),
    QRegularExpression(QStringLiteral("^/dev/(cu\\.usbserial)-?(.*)$")),
    QRegularExpression(QStringLiteral("^/dev/(cu\\.usbmodem)(.*)$")),
};
} // namespace

QStringList adaptateurs_usb(const QStringList& peripheriques)
{
    QStringList ordonnes;
    for (const auto& famille : familles) {
        QList<std::pair<QString, QString>> trouves; // (number or suffix, path)
        for (const QString& chemin : peripheriques) {
            const auto m = famille.match(chemin);
            if (m.hasMatch())
                trouves.append({m.captured(2), chemin});
        }
        // ttyUSB10 after ttyUSB9: by length, then text.
        std::sort(trouves.begin(), trouves.end(), [](const auto& x, const auto& y) {
            return x.first.size() != y.first.size() ? x.first.size() < y.first.size() : x.first < y.first;
        });
        for (const auto& t : trouves)
            ordonnes.append(t.second);
    }
    return ordonnes;
}

QString chemin_du_port(int numero, const PortsPresents& presents)
{
    if (numero < 1)
        return {};
    const QString nom_banc = nom_lien_banc(numero);
    if (presents.liens_banc.contains(nom_banc))
        return presents.windows ? presents.prefixe_tubes_banc + nom_banc : presents.dossier_banc + u'/' + nom_banc;
    if (presents.windows)
        return QStringLiteral("COM%1").arg(numero);
    const QStringList usb = adaptateurs_usb(presents.peripheriques);
    if (numero <= usb.size())
        return usb[numero - 1];
    return QStringLiteral("/dev/ttyS%1").arg(numero - 1);
}

namespace {
// A COM name's number ("COM12" gives 12), 0 for anything else.
int numero_com(const QString& nom) { return nom.startsWith(QLatin1String("COM")) ? nom.sliced(3).toInt() : 0; }
} // namespace

QStringList ports_a_repondre(const PortsPresents& presents, const QHash<QString, QString>& noms)
{
    QList<std::pair<int, QString>> lignes; // (number, what it reaches)
    for (const QString& lien : presents.liens_banc)
        if (const int n = numero_com(lien); n > 0)
            lignes.append({n, QStringLiteral("banc simulé")});
    // A device that the bench hides behind its number is reached by none.
    auto nomme = [&noms](const QString& peripherique) {
        const QString nom = noms.value(peripherique);
        return nom.isEmpty() ? peripherique : peripherique + QStringLiteral(" — ") + nom;
    };
    if (presents.windows) {
        for (const QString& com : presents.peripheriques)
            if (const int n = numero_com(com); n > 0 && chemin_du_port(n, presents) == com)
                lignes.append({n, nomme(com)});
    } else {
        const QStringList usb = adaptateurs_usb(presents.peripheriques);
        for (int n = 1; n <= usb.size(); ++n)
            if (chemin_du_port(n, presents) == usb[n - 1])
                lignes.append({n, nomme(usb[n - 1])});
    }
    std::sort(lignes.begin(), lignes.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    QStringList texte;
    for (const auto& [n, quoi] : lignes)
        texte.append(QStringLiteral("  %1 : %2").arg(n).arg(quoi));
    return texte;
}

} // namespace optolink
