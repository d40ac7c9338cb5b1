// Compiled once for each pair of layers in tests/layers/CMakeLists.txt, as
// part of the lower layer, with UPWARD_HEADER naming a header of a layer
// above it.  The build must fail to find that header.
#include UPWARD_HEADER
