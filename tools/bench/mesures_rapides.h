#pragma once

namespace optolink::mesures {

class BancEnFil;

// Each prints its figures against the real-time bench: A sends on the first port, B receives
// on the second.
void mesurer_emissions(BancEnFil& banc, int numero_a);
void mesurer_telechargements(BancEnFil& banc, int numero_b);

} // namespace optolink::mesures
