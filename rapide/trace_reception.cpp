#include "rapide/trace_reception.h"

#include "rapide/binaire_rapide.h"
#include "rapide/morse_rapide.h"
#include "fichiers/rrr.h"

namespace optolink {

namespace {

void garder(Trace& trace, const ReceptionMorse& m)
{
    trace.code = m.codemorse;
    trace.message = m.message;
    trace.texte1 = m.texte1;
}

void garder(Trace& trace, const ReceptionBinaire& b)
{
    trace.code = b.chainebits;
    trace.message = b.message;
    trace.texte1 = b.texte1;
}

} // namespace

std::vector<int> niveaux_table(std::span<const Mesure> tabmesures, int nbmesuresmax)
{
    std::vector<int> niveaux;
    const qsizetype fin = std::min<qsizetype>(nbmesuresmax, std::ssize(tabmesures) - 1);
    niveaux.reserve(static_cast<std::size_t>(std::max<qsizetype>(fin + 1, 0)));
    for (qsizetype k = 0; k <= fin; ++k)
        niveaux.push_back(niveau(tabmesures[k]));
    return niveaux;
}

Trace trace_fichier(QIODevice& fichier, CodageRapide codage, double periode_s)
{
    Trace trace;
    trace.codage = codage;
    trace.periode_s = periode_s;
    trace.niveaux = niveaux_rrr(fichier);
    if (codage == CodageRapide::morse) {
        garder(trace, decode_fichiermorserap(trace.niveaux, {}, &trace.lecture));
    } else {
        garder(trace, decode_fichierbinrap(trace.niveaux, {}, &trace.lecture));
    }
    return trace;
}

Trace trace_table(std::span<const Mesure> tabmesures, int nbmesuresmax, int seuilbrut, CodageRapide codage,
                  double periode_s)
{
    Trace trace;
    trace.codage = codage;
    trace.periode_s = periode_s;
    trace.niveaux = niveaux_table(tabmesures, nbmesuresmax);
    if (codage == CodageRapide::morse) {
        garder(trace, decoder_morse_rapide(tabmesures, nbmesuresmax, seuilbrut, {}, &trace.lecture));
    } else {
        garder(trace, decoder_binaire_rapide(tabmesures, nbmesuresmax, seuilbrut, {}, &trace.lecture));
    }
    return trace;
}

} // namespace optolink
