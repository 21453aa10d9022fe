#pragma once

namespace optolink::mesures {

// Each prints its figures; false when the bench's port could not be opened.
bool mesurer_veille(int numeroport, double duree_s);
bool mesurer_delai(int numeroport, double duree_s, class BancEnFil& banc);

} // namespace optolink::mesures
