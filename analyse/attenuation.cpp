#include "analyse/attenuation.h"

#include "fichiers/csv.h"

#include <QRegularExpression>

#include <cmath>

namespace optolink {

std::optional<double> distance_etiquette(const QString& etiquette)
{
    static const QRegularExpression forme(QStringLiteral(R"(^\s*(\d+(?:[.,]\d*)?)\s*(m|cm|mm)?\s*$)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto lu = forme.match(etiquette);
    if (!lu.hasMatch())
        return std::nullopt;
    const double nombre = lu.captured(1).replace(u',', u'.').toDouble();
    const QString unite = lu.captured(2).toLower();
    return nombre / (unite == u"cm" ? 100 : unite == u"mm" ? 1000 : 1);
}

std::vector<LigneLumiere> lignes_lumiere(std::span<const ReleveLumiere> releves)
{
    std::vector<LigneLumiere> lignes;
    for (const ReleveLumiere& r : releves) {
        LigneLumiere l{r, {}, {}, distance_etiquette(r.etiquette)};
        if (r.allume_v && r.eteint_v)
            l.ecart_v = *r.allume_v - *r.eteint_v;
        const auto& reference = lignes.empty() ? l.ecart_v : lignes.front().ecart_v;
        if (reference && l.ecart_v && *reference > 0 && *l.ecart_v > 0)
            l.attenuation_db = 10 * std::log10(*reference / *l.ecart_v);
        lignes.push_back(std::move(l));
    }
    return lignes;
}

void noter_releve(std::vector<ReleveLumiere>& releves, const QString& etiquette, double tension_v, bool allume)
{
    const QString nom = etiquette.trimmed();
    if (releves.empty() || releves.back().etiquette != nom)
        releves.push_back({nom, {}, {}});
    (allume ? releves.back().allume_v : releves.back().eteint_v) = tension_v;
}

std::optional<double> moyenne_recente(const std::deque<TensionLue>& tensions, double duree_s)
{
    if (tensions.empty())
        return std::nullopt;
    const double depuis = tensions.back().t_s - duree_s;
    double somme = 0;
    int n = 0;
    for (auto t = tensions.rbegin(); t != tensions.rend() && t->t_s > depuis; ++t, ++n)
        somme += t->tension_v;
    return somme / n;
}

std::optional<Ajustement> ajuster_attenuation(std::span<const LigneLumiere> lignes)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const LigneLumiere& l : lignes) {
        if (!l.distance_m || !l.attenuation_db)
            continue;
        const double x = *l.distance_m, y = *l.attenuation_db;
        n += 1, sx += x, sy += y, sxx += x * x, sxy += x * y;
    }
    const double d = n * sxx - sx * sx;
    if (n < 2 || d <= 1e-12 * std::max(1.0, sxx * n))
        return std::nullopt;
    const double alpha = (n * sxy - sx * sy) / d;
    return Ajustement{alpha, (sy - alpha * sx) / n, static_cast<int>(n)};
}

QByteArray csv_lumiere(std::span<const LigneLumiere> lignes, const std::optional<Ajustement>& ajustement)
{
    const auto case_ = [](const std::optional<double>& x, int decimales) {
        return x ? decimal_csv(*x, decimales) : QByteArray();
    };
    QByteArray texte = entete_csv(QStringLiteral("position;distance (m);U allumé (V);U éteint (V);ΔU (V);A (dB)"));
    for (const LigneLumiere& l : lignes) {
        const QString etiquette = QString(l.releve.etiquette).replace(u'"', u'\'');
        texte += '"' + etiquette.toUtf8() + "\";" + case_(l.distance_m, 3) + ';' + case_(l.releve.allume_v, 3) + ';'
                 + case_(l.releve.eteint_v, 3) + ';' + case_(l.ecart_v, 3) + ';' + case_(l.attenuation_db, 2) + "\r\n";
    }
    if (ajustement)
        texte += QStringLiteral("α (dB/m);%1;A₀ (dB);%2\r\n")
                     .arg(QString::fromUtf8(decimal_csv(ajustement->alpha_db_m, 3)),
                          QString::fromUtf8(decimal_csv(ajustement->origine_db, 2)))
                     .toUtf8();
    return texte;
}

} // namespace optolink
