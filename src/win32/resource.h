#pragma once
// Identifiers of the program's resources, shared by the resource script and the code.

#define IDI_APP 1
