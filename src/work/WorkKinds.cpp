#include "StudentWorkKinds.h"

#include "app/Module1.h"

StudentWork& Student()
{
    return Module1::cnDatabase.IsLabWorkstation() ? LabWork(Module1::cnDatabase) : EmbeddedWork();
}
