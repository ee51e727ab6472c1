/* kestrel_sdk.h: the whole Kestrel host interface. Includes only. */
#ifndef KESTREL_SDK_H
#define KESTREL_SDK_H

#include "kestrel_types.h"
#include "sp_basic.h"
#include "ai_memory.h"
#include "ai_real_math.h"
#include "ai_art.h"
#include "ai_document.h"
#include "ai_envelope.h"
#include "ai_shape.h"
#include "ai_text.h"
#include "ai_user.h"
#include "ai_filter.h"
#include "adm.h"

#endif /* KESTREL_SDK_H */
