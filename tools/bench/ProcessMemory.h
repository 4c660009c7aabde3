#pragma once

namespace bench {

// The process's resident memory (VmRSS) in kilobytes, or -1 if unknown.
long residentKilobytes();

}
