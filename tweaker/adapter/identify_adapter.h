// Fills the adapter record at start-up: board probes, chip table, registry
// locations, driver files and the rules that depend on driver versions.
#pragma once
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/pci_class_key.h"

namespace vdx {

constexpr char kProgramKeyPath[] = "Software\\Tessaly\\Vidarix";

// Identifies into `id`, keeping its deviceId and revision (stored by the
// start-up chip check); every other field is set afresh.
void fillAdapterIdentity(AdapterIdentity& id);

// fillAdapterIdentity on the process-wide record.
void identifyAdapter();

PciIds pciIdsOf(const AdapterIdentity& id);

}  // namespace vdx
