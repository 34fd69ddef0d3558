// Writes the shipped location file from its readable source:
//   make_location_file <places.csv> <kestrun32.dat>
// Records follow the CSV's line order. A malformed line stops the run with a
// message naming it and a non-zero exit, and no output file is touched.
#include "data/tools/PlaceCsv.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_location_file <places.csv> <kestrun32.dat>\n";
        return 2;
    }
    return MakeLocationFile(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                            std::cerr);
}
