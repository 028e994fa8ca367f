// Fills the adapter record at start-up: board probes, chip table, registry
// locations, driver files and the rules that depend on driver versions.
#pragma once
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/pci_class_key.h"
#include "tweaker/platform/platform.h"

namespace vdx {

constexpr char kProgramKeyPath[] = "Software\\Tessaly\\Vidarix";

// Identifies into `id`, keeping its deviceId and revision (stored by the
// start-up chip check); every other field is set afresh. Done in two halves
// so the driver defaults can be set between them, from the chip alone:
// hardware = memory probe, board ids, chip table and board rules;
// driver = card key, class key, driver files and their version rules.
void fillAdapterHardware(const Platform& hw, AdapterIdentity& id);
void fillAdapterDriver(const Platform& hw, AdapterIdentity& id);
void fillAdapterIdentity(const Platform& hw, AdapterIdentity& id);  // both halves

PciIds pciIdsOf(const AdapterIdentity& id);

}  // namespace vdx
