#include "benchhome.h"

#include <QDir>

#include <cstdlib>

namespace bench {

BenchHome::BenchHome() : folder_(QDir::currentPath() + "/bench-home-XXXXXX") {
    path_ = folder_.path().toStdString();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        setenv(name, path_.c_str(), 1);
    }
    QDir::setCurrent(folder_.path());
}

}  // namespace bench
