// KELVANOR: finds, ranks and merges similar DNA motifs; the dialogue runs on standard input.
#include "driver/driver.h"

int main() {
    static RunState state;  // streams and stores live until the process ends
    return runKelvanor(state);
}
