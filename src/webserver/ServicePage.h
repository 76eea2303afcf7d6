#pragma once

#include "HttpAnswer.h"
#include "WebModule.h"

// The service page answered to every request that no other handler takes:
// the published interfaces with their namespace and a link to their WSDL.
// Query "intf=<name>" expands that interface's operations with their
// parameters; "types=1" adds the registered XML types.
HttpAnswer servicePage(const WebRequest& request);
