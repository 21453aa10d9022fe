#pragma once

namespace optolink::mesures {

class BancEnFil;

// Each prints its figures against the real-time bench: A sends on the first port, B receives
// on the second.
void mesurer_emissions(BancEnFil& banc, int numero_a);
// With accueil, B keeps the silence after the opening and is moved to a greeting board's rate.
void mesurer_telechargements(BancEnFil& banc, int numero_b, bool accueil);

} // namespace optolink::mesures
