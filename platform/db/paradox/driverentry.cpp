#include "db/paradox/paradoxengine.h"

// The driver library's one entry point. The engine has no state of its own,
// so one instance serves every caller for the life of the library.
extern "C" __attribute__((visibility("default"))) db::Engine* BodelogDatabaseEngine() {
    static db::paradox::ParadoxEngine engine;
    return &engine;
}
