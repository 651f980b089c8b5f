#include "receiver/RigModels.h"

#include "receiver/Hamlib.h"

#include <algorithm>
#include <strings.h>

namespace kavrin {

namespace {

int collect(const rig_caps* caps, rig_ptr_t data)
{
    auto& models = *static_cast<std::vector<RigModel>*>(data);
    RigModel model;
    model.number = static_cast<int>(caps->rig_model);
    model.maker = caps->mfg_name ? caps->mfg_name : "";
    model.name = caps->model_name ? caps->model_name : "";
    model.network = caps->port_type == RIG_PORT_NETWORK || caps->port_type == RIG_PORT_UDP_NETWORK;
    models.push_back(std::move(model));
    return 1; // go on
}

} // namespace

std::vector<RigModel> rigModels()
{
    prepareHamlib();
    std::vector<RigModel> models;
    {
        std::lock_guard lock(hamlibListMutex());
        rig_list_foreach(collect, &models);
    }
    std::sort(models.begin(), models.end(), [](const RigModel& a, const RigModel& b) {
        const int maker = strcasecmp(a.maker.c_str(), b.maker.c_str());
        if (maker != 0)
            return maker < 0;
        const int name = strcasecmp(a.name.c_str(), b.name.c_str());
        if (name != 0)
            return name < 0;
        return a.number < b.number;
    });
    return models;
}

} // namespace kavrin
