// The section menus as one table: every item's name, caption, parent and
// command, in the order the menus show them.
#ifndef TESSALY_APP_MENU_TREE_H_
#define TESSALY_APP_MENU_TREE_H_

#include <array>
#include <string_view>

namespace tessaly::app {

enum class MenuCommand {
  kPopup,            // a top-level menu, popped up by its section button
  kSubmenu,          // opens its children
  kTopic,            // opens the reader on the caption
  kStateTest1,       // the numeric state test
  kStateTest2,       // the biorhythm chart
  kPredictionBoard,  // the board of the current edition
};

struct MenuItem {
  std::string_view name;
  std::u16string_view caption;
  std::string_view parent;  // empty for a top-level menu
  MenuCommand command;
  bool hidden = false;
};

// clang-format off
inline constexpr std::array kMenuTree = {
  MenuItem{"menuBK", u"备考篇", "", MenuCommand::kPopup},
  MenuItem{"menuBK_KS", u"快速提高成绩宝典", "menuBK", MenuCommand::kSubmenu},
  MenuItem{"menuBK_KS_ZD", u"考生能力自我诊断系统", "menuBK_KS", MenuCommand::kTopic},
  MenuItem{"menuBK_KS_PX", u"经典错题评析", "menuBK_KS", MenuCommand::kTopic},
  MenuItem{"menuBK_JY", u"考生加油站", "menuBK", MenuCommand::kSubmenu},
  MenuItem{"menuBK_JY_JLCP", u"考生焦虑测评", "menuBK_JY", MenuCommand::kTopic},
  MenuItem{"menuBK_JY_JLYF", u"焦虑的预防与消除", "menuBK_JY", MenuCommand::kTopic},
  MenuItem{"menuBK_JY_PLCP", u"考生疲劳测评", "menuBK_JY", MenuCommand::kTopic},
  MenuItem{"menuBK_JY_PLYF", u"疲劳的预防与消除", "menuBK_JY", MenuCommand::kTopic},
  MenuItem{"menuBK_CC", u"冲刺阶段最佳复习助手", "menuBK", MenuCommand::kSubmenu},
  MenuItem{"menuBK_CC_ZS", u"如何应对复习中走神现象", "menuBK_CC", MenuCommand::kTopic},
  MenuItem{"menuBK_CC_JY", u"提高记忆效果的最有效方法", "menuBK_CC", MenuCommand::kTopic},
  MenuItem{"menuBK_CC_SJ", u"冲刺阶段最佳时间安排方案", "menuBK_CC", MenuCommand::kTopic},
  MenuItem{"menuBK_CC_GG", u"各学科考前必须加强巩固的知识点", "menuBK_CC", MenuCommand::kTopic},

  MenuItem{"menuYS", u"应试篇", "", MenuCommand::kPopup},
  MenuItem{"menuYS_CL", u"应试策略", "menuYS", MenuCommand::kSubmenu},
  MenuItem{"menuYS_CL_JNCP", u"考生应试技能测评", "menuYS_CL", MenuCommand::kTopic},
  MenuItem{"menuYS_CL_BZJQ", u"标准化答题技巧", "menuYS_CL", MenuCommand::kTopic},
  MenuItem{"menuYS_CL_TXJQ", u"各科主要题型解答技巧", "menuYS_CL", MenuCommand::kTopic},
  MenuItem{"menuYS_CL_YSJQ", u"考场应试技巧", "menuYS_CL", MenuCommand::kTopic},
  MenuItem{"menuYS_CL_KCDC", u"考场常见问题及对策", "menuYS_CL", MenuCommand::kTopic},
  MenuItem{"menuYS_CL_ZJFA", u"如何渡过应试三天的最佳方案", "menuYS_CL", MenuCommand::kTopic},
  MenuItem{"menuYS_FB", u"考试制胜法宝", "menuYS", MenuCommand::kSubmenu},
  MenuItem{"menuYS_FB_YSZT", u"最佳应试状态", "menuYS_FB", MenuCommand::kSubmenu},
  MenuItem{"menuYS_FB_YSZT_CS1", u"状态测试1", "menuYS_FB_YSZT", MenuCommand::kStateTest1},
  MenuItem{"menuYS_FB_YSZT_CS2", u"状态测试2", "menuYS_FB_YSZT", MenuCommand::kStateTest2},
  MenuItem{"menuYS_FB_YSZT_TZMJ", u"最佳应试状态的调整秘笈", "menuYS_FB_YSZT", MenuCommand::kTopic},
  MenuItem{"menuYS_FB_YTXX", u"押题信息", "menuYS_FB", MenuCommand::kPredictionBoard},

  MenuItem{"menuJZ", u"家长必读篇", "", MenuCommand::kPopup},
  MenuItem{"menuJZ_YS", u"考生饮食", "menuJZ", MenuCommand::kSubmenu},
  MenuItem{"menuJZ_YS_APYS", u"如何科学的安排考生饮食", "menuJZ_YS", MenuCommand::kTopic},
  MenuItem{"menuJZ_YS_BNSP", u"考生补脑专用食谱", "menuJZ_YS", MenuCommand::kTopic},
  MenuItem{"menuJZ_YS_JDSP", u"最后30天考生经典食谱", "menuJZ_YS", MenuCommand::kTopic},
  MenuItem{"menuJZ_YS_YSAP", u"应试三天考生的饮食安排", "menuJZ_YS", MenuCommand::kTopic},
  MenuItem{"menuJZ_YS_YSWQ", u"考生饮食的几大误区", "menuJZ_YS", MenuCommand::kTopic},
  MenuItem{"menuJZ_BD", u"家长必读", "menuJZ", MenuCommand::kSubmenu},
  MenuItem{"menuJZ_BD_JZXT", u"家长应具备怎样的心态", "menuJZ_BD", MenuCommand::kTopic},
  MenuItem{"menuJZ_BD_JZZY", u"家长怎样做才有助于考生达到最佳复习效果", "menuJZ_BD", MenuCommand::kTopic},
  MenuItem{"menuJZ_BD_JZWT", u"冲刺阶段家长应注意哪些问题", "menuJZ_BD", MenuCommand::kTopic},
  MenuItem{"menuJZ_BD_GTZG", u"如何与考生共同走过应试三天", "menuJZ_BD", MenuCommand::kTopic},
  MenuItem{"menuJZ_BD_CGJY", u"成功家长的经验之谈", "menuJZ_BD", MenuCommand::kTopic},
  MenuItem{"menuJZ_BD_BKWQ", u"家长应避开的常见误区", "menuJZ_BD", MenuCommand::kTopic, /*hidden=*/true},

  MenuItem{"menuZY", u"志愿填报篇", "", MenuCommand::kPopup},
  MenuItem{"menuZY_ZS", u"填报知识", "menuZY", MenuCommand::kSubmenu},
  MenuItem{"menuZY_ZS_QLJZ", u"填报志愿前应该了解那些知识", "menuZY_ZS", MenuCommand::kTopic},
  MenuItem{"menuZY_ZS_FSXQ", u"建档线、录取控制分数线、提档分数线和录取分数线有何区别", "menuZY_ZS", MenuCommand::kTopic},
  MenuItem{"menuZY_ZS_DATH", u"考生档案被招生院校退回的主要原因", "menuZY_ZS", MenuCommand::kTopic},
  MenuItem{"menuZY_ZS_WNFS", u"如何看往年录取分数", "menuZY_ZS", MenuCommand::kTopic},
  MenuItem{"menuZY_ZS_GXDX", u"什么是高校录取大小年", "menuZY_ZS", MenuCommand::kTopic},
  MenuItem{"menuZY_JQ", u"填报技巧", "menuZY", MenuCommand::kSubmenu},
  MenuItem{"menuZY_JQ_ZYWT", u"考生填写志愿时应注意哪些问题", "menuZY_JQ", MenuCommand::kTopic},
  MenuItem{"menuZY_JQ_CCPD", u"如何注意志愿之间的层次和坡度", "menuZY_JQ", MenuCommand::kTopic},
  MenuItem{"menuZY_JQ_XZXX", u"如何根据自己的实际情况选择学校和专业", "menuZY_JQ", MenuCommand::kTopic},
  MenuItem{"menuZY_JQ_BZXH", u"考生家长如何帮助子女选好志愿", "menuZY_JQ", MenuCommand::kTopic},
  MenuItem{"menuZY_JQ_CWQX", u"选志愿应避免哪些错误倾向", "menuZY_JQ", MenuCommand::kTopic},
  MenuItem{"menuZY_JQ_4DWQ", u"高考志愿填报中的四大误区", "menuZY_JQ", MenuCommand::kTopic},
  MenuItem{"menuZY_JQ_JYJX", u"填报高考志愿的经验和教训", "menuZY_JQ", MenuCommand::kTopic},
  MenuItem{"menuZY_JQ_GFLX", u"怎么避免高分落选", "menuZY_JQ", MenuCommand::kTopic},
  MenuItem{"menuZY_RM", u"热门专业", "menuZY", MenuCommand::kSubmenu},
  MenuItem{"menuZY_RM_SNYH", u"四年后什么专业最热门", "menuZY_RM", MenuCommand::kTopic},
  MenuItem{"menuZY_RM_GSHY", u"哪些专业的毕业生更受欢迎", "menuZY_RM", MenuCommand::kTopic},
  MenuItem{"menuZY_RM_SYZY", u"考生最青睐的实用专业", "menuZY_RM", MenuCommand::kTopic},
  MenuItem{"menuZY_QJ", u"就业前景", "menuZY", MenuCommand::kSubmenu},
  MenuItem{"menuZY_QJ_XSFX", u"各级各类院校就业形势分析", "menuZY_QJ", MenuCommand::kTopic},
  MenuItem{"menuZY_QJ_JXRC", u"今后几年我国急需的专门人才", "menuZY_QJ", MenuCommand::kTopic},
  MenuItem{"menuZY_QJ_RMQJ", u"热门专业就业前景分析", "menuZY_QJ", MenuCommand::kTopic},
  MenuItem{"menuZY_QJ_XQZW", u"四年后各专业市场需求展望", "menuZY_QJ", MenuCommand::kTopic},
  MenuItem{"menuZY_FS", u"分数预测", "menuZY", MenuCommand::kSubmenu},
  MenuItem{"menuZY_FS_BZYS", u"标准分和原始分是怎么回事", "menuZY_FS", MenuCommand::kTopic},
  MenuItem{"menuZY_FS_GJKF", u"估考分报志愿技巧", "menuZY_FS", MenuCommand::kTopic},
  MenuItem{"menuZY_FS_LQFS", u"如何估计报考学院录取分数", "menuZY_FS", MenuCommand::kTopic},
  MenuItem{"menuZY_FS_ZJFS", u"如何准确估计自己的分数", "menuZY_FS", MenuCommand::kTopic},
  MenuItem{"menuZY_QX", u"职业倾向测评", "menuZY", MenuCommand::kSubmenu},
  MenuItem{"menuZY_QX_CP1", u"职业倾向测评1", "menuZY_QX", MenuCommand::kTopic},
  MenuItem{"menuZY_QX_CP2", u"职业倾向测评2", "menuZY_QX", MenuCommand::kTopic},
  MenuItem{"menuZY_QX_CP3", u"职业倾向测评3", "menuZY_QX", MenuCommand::kTopic},
  MenuItem{"menuZY_QX_ZHCP", u"综合职业测评", "menuZY_QX", MenuCommand::kTopic},
  MenuItem{"menuZY_MN", u"模拟志愿填报系统", "menuZY", MenuCommand::kTopic},
};
// clang-format on

// Every parent is listed before its children.
constexpr bool ParentsComeFirst() {
  for (std::size_t i = 0; i < kMenuTree.size(); ++i) {
    if (kMenuTree[i].parent.empty()) continue;
    bool found = false;
    for (std::size_t j = 0; j < i; ++j) {
      if (kMenuTree[j].name == kMenuTree[i].parent) found = true;
    }
    if (!found) return false;
  }
  return true;
}
static_assert(ParentsComeFirst());

}  // namespace tessaly::app

#endif  // TESSALY_APP_MENU_TREE_H_
