#include "WorkKinds.h"

#include "AdminWork.h"
#include "StudentWork.h"
#include "app/Module1.h"

// The only place that tells the embedded database from a lab workstation.
StudentWork& Student()
{
    return Module1::cnDatabase.IsLabWorkstation() ? LabWork(Module1::cnDatabase) : EmbeddedWork(Module1::cnDatabase);
}

AdminWork& Administrator()
{
    return Module1::cnDatabase.IsLabWorkstation() ? LabAdmin(Module1::cnDatabase) : EmbeddedAdmin(Module1::cnDatabase);
}

void CloseWork() { EmbeddedWork(Module1::cnDatabase).SignOut(); }
