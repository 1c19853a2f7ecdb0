#include "game/wave_sine.h"

#include <array>

#include "common/table.h"

namespace ridgeline {

namespace {

// sin((d x 3.141592654) / 180) for d = 0..360, as GNU libc's sin gives it.
// C libraries disagree in the last bit for some of these angles (180 and 360
// among them); reading the values from this table instead makes the wave,
// and so every replay, the same on every platform.
// clang-format off
constexpr std::array<double, 361> kSine = {
    0x0p+0, 0x1.1df0b2b93e292p-6, 0x1.1de58ca01e06fp-5, 0x1.acbc748fecc8cp-5,
    0x1.1db8f6d7450cp-4, 0x1.64fd6b8cefc1cp-4, 0x1.ac2609b4b4b1bp-4, 0x1.f32d44c60cb95p-4,
    0x1.1d06c96978af9p-3, 0x1.4060b67b3767ep-3, 0x1.63a1a7e17ca1dp-3, 0x1.86c6ddd83e986p-3,
    0x1.a9cd9ac510d9fp-3, 0x1.ccb3236dda517p-3, 0x1.ef74bf2f5bdf6p-3, 0x1.0907dc19c1a14p-2,
    0x1.1a40add3c309cp-2, 0x1.2b637cf8e04ddp-2, 0x1.3c6ef373aa29bp-2, 0x1.4d61bd00c0ecbp-2,
    0x1.5e3a87495d1d6p-2, 0x1.6ef801fdb1b39p-2, 0x1.7f98deef25da4p-2, 0x1.901bd22a642dcp-2,
    0x1.a07f92113d6d7p-2, 0x1.b0c2d7745c9d4p-2, 0x1.c0e45dacca94dp-2, 0x1.d0e2e2b53eff1p-2,
    0x1.e0bd27433cd1bp-2, 0x1.f071eedff846bp-2, 0x1.0000000082335p-1, 0x1.07b31210631b5p-1,
    0x1.0f5193eb55d2p-1, 0x1.16daed7792241p-1, 0x1.1e4e8841ad133p-1, 0x1.25abcf8854455p-1,
    0x1.2cf23047e79a7p-1, 0x1.34211945f0011p-1, 0x1.3b37fb1c72a3ep-1, 0x1.423648451f8f9p-1,
    0x1.491b75245af0dp-1, 0x1.4fe6f814200edp-1, 0x1.5698496ebd282p-1, 0x1.5d2ee399675c5p-1,
    0x1.63aa430ea5cebp-1, 0x1.6a09e66893332p-1, 0x1.704d4e6af4f66p-1, 0x1.7673fe0d273adp-1,
    0x1.7c7d7a83dce16p-1, 0x1.82694b4ab2dd6p-1, 0x1.8836fa2d9613ep-1, 0x1.8de61351fb0a5p-1,
    0x1.9376253fe6ad1p-1, 0x1.98e6c0eac7799p-1, 0x1.9e3779ba1e5bp-1, 0x1.a367e591f68c7p-1,
    0x1.a8779cdb2bd8cp-1, 0x1.ad663a8b7e915p-1, 0x1.b2335c2d749b5p-1, 0x1.b6dea1e806f65p-1,
    0x1.bb67ae861b225p-1, 0x1.bfce277dc7d0cp-1, 0x1.c411b4f7644edp-1, 0x1.c83201d4621c3p-1,
    0x1.cc2ebbb5f025fp-1, 0x1.d007930367209p-1, 0x1.d3bc3af07e80ep-1, 0x1.d74c698349988p-1,
    0x1.dab7d799fc5dbp-1, 0x1.ddfe40f0776bap-1, 0x1.e11f64259accbp-1, 0x1.e41b02c05f23dp-1,
    0x1.e6f0e134b4cffp-1, 0x1.e9a0c6e828a78p-1, 0x1.ec2a7e364deffp-1, 0x1.ee8dd474ed38ap-1,
    0x1.f0ca99f7f7c63p-1, 0x1.f2e0a2153f3ebp-1, 0x1.f4cfc327f14d4p-1, 0x1.f697d693d6f6cp-1,
    0x1.f838b8c8575fap-1, 0x1.f9b249433dc5ep-1, 0x1.fb046a9342789p-1, 0x1.fc2f025a5699bp-1,
    0x1.fd31f94fb27cfp-1, 0x1.fe0d3b41a67a5p-1, 0x1.fec0b7172e0fcp-1, 0x1.ff4c5ed145334p-1,
    0x1.ffb0278bffba8p-1, 0x1.ffec097f62c15p-1, 0x1p+0, 0x1.ffec097f53032p-1,
    0x1.ffb0278be03f4p-1, 0x1.ff4c5ed115fd9p-1, 0x1.fec0b716ef232p-1, 0x1.fe0d3b4157dbdp-1,
    0x1.fd31f94f5432ap-1, 0x1.fc2f0259e8aaep-1, 0x1.fb046a92c4edep-1, 0x1.f9b24942b0a91p-1,
    0x1.f838b8c7babbcp-1, 0x1.f697d6932ad8p-1, 0x1.f4cfc32735c11p-1, 0x1.f2e0a2147453bp-1,
    0x1.f0ca99f71d8c2p-1, 0x1.ee8dd47403c09p-1, 0x1.ec2a7e35554c2p-1, 0x1.e9a0c6e720eb5p-1,
    0x1.e6f0e1339e0fep-1, 0x1.e41b02bf3975bp-1, 0x1.e11f642466475p-1, 0x1.ddfe40ef34273p-1,
    0x1.dab7d798aa735p-1, 0x1.d74c6981e9228p-1, 0x1.d3bc3aef0f9aep-1, 0x1.d0079301e9e71p-1,
    0x1.cc2ebbb464b6cp-1, 0x1.c83201d2c895fp-1, 0x1.c411b4f5bcd1ap-1, 0x1.bfce277c127dap-1,
    0x1.bb67ae84581b5p-1, 0x1.b6dea1e6365ebp-1, 0x1.b2335c2b96974p-1, 0x1.ad663a8993461p-1,
    0x1.a8779cd9336c8p-1, 0x1.a367e58ff126bp-1, 0x1.9e3779b80c241p-1, 0x1.98e6c0e8a89aep-1,
    0x1.9376253dbb50ep-1, 0x1.8de6134fc35bfp-1, 0x1.8836fa2b523fap-1, 0x1.82694b4863104p-1,
    0x1.7c7d7a818149dp-1, 0x1.7673fe0ac007bp-1, 0x1.704d4e688257cp-1, 0x1.6a09e6661559dp-1,
    0x1.63aa430c1cec8p-1, 0x1.5d2ee396d3a3ap-1, 0x1.5698496c1eccdp-1, 0x1.4fe6f8117744cp-1,
    0x1.491b7521a7ed3p-1, 0x1.4236484262885p-1, 0x1.3b37fb19abcfcp-1, 0x1.342119431f977p-1,
    0x1.2cf230450dd38p-1, 0x1.25abcf857159cp-1, 0x1.1e4e883ec13d1p-1, 0x1.16daed749d9d4p-1,
    0x1.0f5193e858d5ep-1, 0x1.07b3120d5de51p-1, 0x1.fffffffae9ff2p-2, 0x1.f071eed9ce5e1p-2,
    0x1.e0bd273d03e2dp-2, 0x1.d0e2e2aef785bp-2, 0x1.c0e45da6750f5p-2, 0x1.b0c2d76df9893p-2,
    0x1.a07f920acd4aap-2, 0x1.901bd223e77cdp-2, 0x1.7f98dee89d1ccp-2, 0x1.6ef801f71d6bdp-2,
    0x1.5e3a8742bdcedp-2, 0x1.4d61bcfa171afp-2, 0x1.3c6ef36cf65acp-2, 0x1.2b637cf223069p-2,
    0x1.1a40adccfcd13p-2, 0x1.0907dc12f2fe2p-2, 0x1.ef74bf21aed5bp-3, 0x1.ccb323601e947p-3,
    0x1.a9cd9ab7477bcp-3, 0x1.86c6ddca68ab4p-3, 0x1.63a1a7d39b3bfp-3, 0x1.4060b66d4b9d4p-3,
    0x1.1d06c95b83953p-3, 0x1.f32d44aa12145p-4, 0x1.ac260998abcaep-4, 0x1.64fd6b70dac6fp-4,
    0x1.1db8f6bb2631bp-4, 0x1.acbc74579fb3dp-5, 0x1.1de58c67c5f1cp-5, 0x1.1df0b24880cfcp-6,
    -0x1.c306f72cece67p-32, -0x1.1df0b329fb886p-6, -0x1.1de58cd8761ap-5, -0x1.acbc74c839de6p-5,
    -0x1.1db8f6f363e83p-4, -0x1.64fd6ba904bbfp-4, -0x1.ac2609d0bd993p-4, -0x1.f32d44e2075cap-4,
    -0x1.1d06c9776dc9dp-3, -0x1.4060b68923331p-3, -0x1.63a1a7ef5e082p-3, -0x1.86c6dde61485ap-3,
    -0x1.a9cd9ad2da38fp-3, -0x1.ccb3237b960dfp-3, -0x1.ef74bf3d08e94p-3, -0x1.0907dc209043ep-2,
    -0x1.1a40adda89423p-2, -0x1.2b637cff9d955p-2, -0x1.3c6ef37a5df93p-2, -0x1.4d61bd076abep-2,
    -0x1.5e3a874ffc6bep-2, -0x1.6ef8020445fb9p-2, -0x1.7f98def5ae97ep-2, -0x1.901bd230e0de2p-2,
    -0x1.a07f9217ad907p-2, -0x1.b0c2d77abfb11p-2, -0x1.c0e45db3201a5p-2, -0x1.d0e2e2bb86783p-2,
    -0x1.e0bd274975c0dp-2, -0x1.f071eee6222f2p-2, -0x1.000000038f674p-1, -0x1.07b3121368516p-1,
    -0x1.0f5193ee52ce4p-1, -0x1.16daed7a86abp-1, -0x1.1e4e884498e99p-1, -0x1.25abcf8b3730ap-1,
    -0x1.2cf2304ac161bp-1, -0x1.34211948c06acp-1, -0x1.3b37fb1f3978p-1, -0x1.42364847dc96ap-1,
    -0x1.491b75270df47p-1, -0x1.4fe6f816c8d8cp-1, -0x1.569849715b837p-1, -0x1.5d2ee39bfb14ep-1,
    -0x1.63aa43112eb0fp-1, -0x1.6a09e66b110c6p-1, -0x1.704d4e6d67953p-1, -0x1.7673fe0f8e6dep-1,
    -0x1.7c7d7a863878ep-1, -0x1.82694b4d02aa8p-1, -0x1.8836fa2fd9e82p-1, -0x1.8de6135432b89p-1,
    -0x1.9376254212092p-1, -0x1.98e6c0ece6587p-1, -0x1.9e3779bc3091fp-1, -0x1.a367e593fbf1ep-1,
    -0x1.a8779cdd2444fp-1, -0x1.ad663a8d69dcap-1, -0x1.b2335c2f529f7p-1, -0x1.b6dea1e9d78ep-1,
    -0x1.bb67ae87de294p-1, -0x1.bfce277f7d23ep-1, -0x1.c411b4f90bcbfp-1, -0x1.c83201d5fba25p-1,
    -0x1.cc2ebbb77b952p-1, -0x1.d0079304e45a3p-1, -0x1.d3bc3af1ed66dp-1, -0x1.d74c6984aa0e6p-1,
    -0x1.dab7d79b4e482p-1, -0x1.ddfe40f1bab02p-1, -0x1.e11f6426cf521p-1, -0x1.e41b02c184d1ep-1,
    -0x1.e6f0e135cb901p-1, -0x1.e9a0c6e93063cp-1, -0x1.ec2a7e374693cp-1, -0x1.ee8dd475d6b0bp-1,
    -0x1.f0ca99f8d2004p-1, -0x1.f2e0a2160a29cp-1, -0x1.f4cfc328acd97p-1, -0x1.f697d69483158p-1,
    -0x1.f838b8c8f4037p-1, -0x1.f9b24943cae2bp-1, -0x1.fb046a93c0034p-1, -0x1.fc2f025ac4887p-1,
    -0x1.fd31f95010c74p-1, -0x1.fe0d3b41f518dp-1, -0x1.fec0b7176cfc5p-1, -0x1.ff4c5ed17469p-1,
    -0x1.ffb0278c1f35bp-1, -0x1.ffec097f727f9p-1, -0x1p+0, -0x1.ffec097f4344ep-1,
    -0x1.ffb0278bc0c41p-1, -0x1.ff4c5ed0e6c7dp-1, -0x1.fec0b716b0369p-1, -0x1.fe0d3b41093d4p-1,
    -0x1.fd31f94ef5e85p-1, -0x1.fc2f02597abc1p-1, -0x1.fb046a9247633p-1, -0x1.f9b24942238c6p-1,
    -0x1.f838b8c71e17ep-1, -0x1.f697d6927eb94p-1, -0x1.f4cfc3267a34dp-1, -0x1.f2e0a213a968ap-1,
    -0x1.f0ca99f643522p-1, -0x1.ee8dd4731a489p-1, -0x1.ec2a7e345ca85p-1, -0x1.e9a0c6e6192f2p-1,
    -0x1.e6f0e132874ffp-1, -0x1.e41b02be13c7ap-1, -0x1.e11f642331c1fp-1, -0x1.ddfe40edf0e2dp-1,
    -0x1.dab7d7975889p-1, -0x1.d74c698088ac8p-1, -0x1.d3bc3aeda0b4bp-1, -0x1.d00793006cad7p-1,
    -0x1.cc2ebbb2d9479p-1, -0x1.c83201d12f0fcp-1, -0x1.c411b4f415547p-1, -0x1.bfce277a5d2a8p-1,
    -0x1.bb67ae8295146p-1, -0x1.b6dea1e465c71p-1, -0x1.b2335c29b8933p-1, -0x1.ad663a87a7fadp-1,
    -0x1.a8779cd73b008p-1, -0x1.a367e58debc12p-1, -0x1.9e3779b5f9ed1p-1, -0x1.98e6c0e689bc1p-1,
    -0x1.9376253b8ff4dp-1, -0x1.8de6134d8bad6p-1, -0x1.8836fa290e6b2p-1, -0x1.82694b4613433p-1,
    -0x1.7c7d7a7f25b21p-1, -0x1.7673fe0858d49p-1, -0x1.704d4e660fb92p-1, -0x1.6a09e66397808p-1,
    -0x1.63aa4309940a5p-1, -0x1.5d2ee3943feb4p-1, -0x1.5698496980716p-1, -0x1.4fe6f80ece7aep-1,
    -0x1.491b751ef4e9ep-1, -0x1.4236483fa5816p-1, -0x1.3b37fb16e4fb7p-1, -0x1.342119404f2dap-1,
    -0x1.2cf23042340cbp-1, -0x1.25abcf828e6e4p-1, -0x1.1e4e883bd5669p-1, -0x1.16daed71a9168p-1,
    -0x1.0f5193e55bd96p-1, -0x1.07b3120a58aefp-1, -0x1.fffffff4cf96dp-2, -0x1.f071eed3a4755p-2,
    -0x1.e0bd2736caf3dp-2, -0x1.d0e2e2a8b00c4p-2, -0x1.c0e45da01f89ap-2, -0x1.b0c2d7679674dp-2,
    -0x1.a07f92045d287p-2, -0x1.901bd21d6acc6p-2, -0x1.7f98dee2145ebp-2, -0x1.6ef801f089247p-2,
    -0x1.5e3a873c1e808p-2, -0x1.4d61bcf36d497p-2, -0x1.3c6ef366428cp-2, -0x1.2b637ceb65bf7p-2,
    -0x1.1a40adc63698bp-2, -0x1.0907dc0c245cfp-2, -0x1.ef74bf1401cbfp-3, -0x1.ccb3235262d53p-3,
    -0x1.a9cd9aa97e1d3p-3, -0x1.86c6ddbc92bf9p-3, -0x1.63a1a7c5b9d36p-3, -0x1.4060b65f5fd1ep-3,
    -0x1.1d06c94d8e7bep-3, -0x1.f32d448e176d3p-4, -0x1.ac26097ca2e5cp-4, -0x1.64fd6b54c5cd7p-4,
    -0x1.1db8f69f07547p-4, -0x1.acbc741f52a09p-5, -0x1.1de58c2f6dddap-5, -0x1.1df0b1d7c3677p-6,
    0x1.c306f72cece67p-31,
};
// clang-format on

}  // namespace

double WaveSine(int degrees) {
  if (degrees < 0 || degrees > 360) table_detail::SubscriptOutOfRange(degrees, 360);
  return kSine[static_cast<std::size_t>(degrees)];
}

}  // namespace ridgeline
