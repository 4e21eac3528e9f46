#include "frame/layer_hooks.h"

LayerHooks gLayerHooks;
