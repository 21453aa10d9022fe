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

} // namespace optolink
