#pragma once

// The program's own name, version and release date: the name and version are what the
// update check looks for in the published version list; all three make up the window
// title.
constexpr char kProgramName[] = "KESTRAVON";
constexpr char kProgramVersion[] = "v01.09";
constexpr char kProgramDate[] = "11/10/2013";
