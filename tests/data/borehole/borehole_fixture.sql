-- Borehole database of the chart tests: the tables the column chart and the
-- hole chooser read, with their Chinese names, the key columns named and
-- placeholder columns (c<N>, N = position) elsewhere. All TEXT, like Access
-- text fields. See PROVENANCE.md.
CREATE TABLE "minefile" ("矿区代码" TEXT, "矿区名称" TEXT, "矿区类别" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "c13" TEXT, "c14" TEXT, "c15" TEXT, "c16" TEXT, "c17" TEXT, "c18" TEXT, "c19" TEXT, "c20" TEXT, "c21" TEXT, "c22" TEXT, "c23" TEXT, "c24" TEXT, "c25" TEXT, "c26" TEXT, "c27" TEXT, "图宽" TEXT);
CREATE TABLE "zkinfok" ("工程编号" TEXT, "勘探线号" TEXT, "X" TEXT, "Y" TEXT, "H" TEXT, "开孔日期" TEXT, "终孔日期" TEXT, "终孔方位" TEXT, "终孔倾角" TEXT, "终孔深度" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "分层数" TEXT, "c14" TEXT, "c15" TEXT, "c16" TEXT, "c17" TEXT, "c18" TEXT, "c19" TEXT, "c20" TEXT, "图名" TEXT, "c22" TEXT, "c23" TEXT, "c24" TEXT, "c25" TEXT, "c26" TEXT, "c27" TEXT, "c28" TEXT, "比例尺" TEXT, "制图日期" TEXT, "顺序号" TEXT, "图号" TEXT, "c33" TEXT, "c34" TEXT, "c35" TEXT, "c36" TEXT, "c37" TEXT, "校正孔深" TEXT, "矿区代码" TEXT);
CREATE TABLE "drilgeo2" ("矿区代码" TEXT, "工程编号" TEXT, "c2" TEXT, "岩石名称" TEXT, "花纹号" TEXT, "c5" TEXT, "层号" TEXT, "地质描述" TEXT, "花纹高" TEXT, "自孔深" TEXT, "至孔深" TEXT, "岩心长" TEXT, "c12" TEXT, "c13" TEXT, "c14" TEXT, "界线类型" TEXT, "c16" TEXT, "c17" TEXT, "c18" TEXT, "c19" TEXT, "c20" TEXT, "c21" TEXT, "c22" TEXT, "c23" TEXT, "校正自孔深" TEXT, "校正至孔深" TEXT);
CREATE TABLE "geolayercolor" ("序号" TEXT, "自孔深" TEXT, "至孔深" TEXT, "地层代号" TEXT, "颜色" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "校正自孔深" TEXT, "校正至孔深" TEXT, "矿区代码" TEXT, "工程编号" TEXT);
CREATE TABLE "drilsamh" ("矿区代码" TEXT, "工程编号" TEXT, "样号" TEXT, "自孔深" TEXT, "至孔深" TEXT, "岩心长" TEXT, "样长" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "c13" TEXT, "c14" TEXT, "c15" TEXT, "c16" TEXT, "c17" TEXT, "c18" TEXT, "c19" TEXT, "c20" TEXT, "c21" TEXT, "校正自孔深" TEXT, "校正至孔深" TEXT);
CREATE TABLE "drilore" ("矿区代码" TEXT, "工程编号" TEXT, "c2" TEXT, "c3" TEXT, "c4" TEXT, "自孔深" TEXT, "至孔深" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "c13" TEXT, "矿种" TEXT, "c15" TEXT, "c16" TEXT, "c17" TEXT, "c18" TEXT, "c19" TEXT, "c20" TEXT, "c21" TEXT, "校正自孔深" TEXT, "校正至孔深" TEXT);
CREATE TABLE "柱状参数" ("c0" TEXT, "c1" TEXT, "c2" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT);
CREATE TABLE "栏目选择" ("序号" TEXT, "栏目名称" TEXT, "c2" TEXT, "宽度" TEXT, "绘制" TEXT, "选项" TEXT, "左边" TEXT, "右边" TEXT);
CREATE TABLE "element" ("矿区代码" TEXT, "c1" TEXT, "c2" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT);
CREATE TABLE "drilflag" ("矿区代码" TEXT, "工程编号" TEXT, "c2" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT);
CREATE TABLE "drilspec" ("矿区代码" TEXT, "工程编号" TEXT, "c2" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT);
CREATE TABLE "Tzkkpara" ("c0" TEXT, "c1" TEXT, "c2" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT);
CREATE TABLE "drilhydr" ("矿区代码" TEXT, "工程编号" TEXT, "孔深" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "c13" TEXT, "c14" TEXT, "c15" TEXT);
CREATE TABLE "drilhydr01" ("矿区代码" TEXT, "工程编号" TEXT, "孔深" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "c13" TEXT, "c14" TEXT, "c15" TEXT);
CREATE TABLE "drilhydr02" ("矿区代码" TEXT, "工程编号" TEXT, "孔深" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "c13" TEXT, "c14" TEXT, "c15" TEXT);
CREATE TABLE "drilhydr03" ("矿区代码" TEXT, "工程编号" TEXT, "孔深" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "c13" TEXT, "c14" TEXT, "c15" TEXT);
CREATE TABLE "drilmeas" ("矿区代码" TEXT, "工程编号" TEXT, "孔深" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "c13" TEXT, "c14" TEXT, "c15" TEXT);
CREATE TABLE "drilmeam" ("矿区代码" TEXT, "工程编号" TEXT, "记录孔深" TEXT, "c3" TEXT, "c4" TEXT, "c5" TEXT, "c6" TEXT, "c7" TEXT, "c8" TEXT, "c9" TEXT, "c10" TEXT, "c11" TEXT, "c12" TEXT, "c13" TEXT, "c14" TEXT, "c15" TEXT);

INSERT INTO minefile (矿区代码, 矿区名称, 矿区类别, 图宽) VALUES ('1001', '金山矿区', '1', '200');
INSERT INTO minefile (矿区代码, 矿区名称, 矿区类别, 图宽) VALUES ('20', '小矿区', '2', '150');
INSERT INTO minefile (矿区代码, 矿区名称, 矿区类别, 图宽) VALUES ('3001', '重复矿区', '1', '400');

-- Holes. ZK01 is the hole the chart tests draw; ZK'02 has a quote in its id.
INSERT INTO zkinfok (工程编号, 勘探线号, X, Y, H, 开孔日期, 终孔日期, 终孔方位, 终孔倾角, 终孔深度, 分层数, 图名, 比例尺, 制图日期, 顺序号, 图号, 校正孔深, 矿区代码)
  VALUES ('ZK01', '3', '3512345.678', '40512345.123', '1234.56', '2020-01-02', '2020-03-04', '123', '60°20′', '100', '3', '金山矿区ZK01钻孔柱状图', '500', '2020-04-01', '1', 'A-1', '98', '1001');
INSERT INTO zkinfok (工程编号, 勘探线号, X, Y, H, 开孔日期, 终孔日期, 终孔方位, 终孔倾角, 终孔深度, 分层数, 图名, 校正孔深, 矿区代码)
  VALUES ('ZK''02', '4', '3512000', '40512000', '1100', '2021-05-06', '2021-06-07', '45°', '75', '30', '1', 'ZK''02', '30', '1001');
INSERT INTO zkinfok (工程编号, 勘探线号, X, Y, H, 开孔日期, 终孔日期, 终孔方位, 终孔倾角, 终孔深度, 分层数, 图名, 校正孔深, 矿区代码)
  VALUES ('ZK03', '5', '3513000', '40513000', '1000', '2022-01-01', '2022-02-02', '', '', '50', '2', 'ZK03', '50', '1001');
INSERT INTO zkinfok (工程编号, 勘探线号, 终孔深度, 分层数, 矿区代码) VALUES ('ZK21', '1', '20', '0', '20  ');
INSERT INTO zkinfok (工程编号, 勘探线号, 终孔深度, 分层数, 矿区代码) VALUES ('ZK31', 'first', '10', '0', '3001');
INSERT INTO zkinfok (工程编号, 勘探线号, 终孔深度, 分层数, 矿区代码) VALUES ('ZK31', 'second', '12', '0', '3001');

INSERT INTO drilgeo2 (矿区代码, 工程编号, 岩石名称, 花纹号, 层号, 地质描述, 花纹高, 自孔深, 至孔深, 岩心长, 界线类型, 校正自孔深, 校正至孔深)
  VALUES ('1001', 'ZK01', '黄土', '101', '1', '  黄色，松散，含少量砾石。', '5', '0', '10.3', '9.8', '0', '0', '10');
INSERT INTO drilgeo2 (矿区代码, 工程编号, 岩石名称, 花纹号, 层号, 地质描述, 花纹高, 自孔深, 至孔深, 岩心长, 界线类型, 校正自孔深, 校正至孔深)
  VALUES ('1001', 'ZK01', '砂岩', '200', '2', '灰白色中粒砂岩。', '4', '10.3', '10.6', '0.3', '80', '10', '10.2');
INSERT INTO drilgeo2 (矿区代码, 工程编号, 岩石名称, 花纹号, 层号, 地质描述, 花纹高, 自孔深, 至孔深, 岩心长, 界线类型, 校正自孔深, 校正至孔深)
  VALUES ('1001', 'ZK01', '花岗岩', '300', '3', '肉红色中粗粒花岗岩，块状构造，主要矿物为钾长石、斜长石和石英，见黄铁矿化。', '6', '10.6', '100', '85.5', '', '10.2', '98');
INSERT INTO drilgeo2 (矿区代码, 工程编号, 岩石名称, 花纹号, 层号, 地质描述, 花纹高, 自孔深, 至孔深, 岩心长, 界线类型, 校正自孔深, 校正至孔深)
  VALUES ('1001', 'ZK''02', '片麻岩', '400', '1', '灰色片麻岩。', '5', '0', '30', '28', '0', '0', '30');
INSERT INTO drilgeo2 (矿区代码, 工程编号, 岩石名称, 花纹号, 层号, 地质描述, 花纹高, 自孔深, 至孔深, 岩心长, 界线类型, 校正自孔深, 校正至孔深)
  VALUES ('1001', 'ZK03', '砾岩', '500', '1', '砾岩。', '5', '0', '20', '19', '0', '0', '20');
INSERT INTO drilgeo2 (矿区代码, 工程编号, 岩石名称, 花纹号, 层号, 地质描述, 花纹高, 自孔深, 至孔深, 岩心长, 界线类型, 校正自孔深, 校正至孔深)
  VALUES ('1001', 'ZK03', '泥岩', '600', '2', '泥岩。', '5', '20', '50', '29', '0', '20', '50');

INSERT INTO geolayercolor (序号, 自孔深, 至孔深, 地层代号, 颜色, 校正自孔深, 校正至孔深, 矿区代码, 工程编号)
  VALUES ('1', '0', '10.6', 'Q', '23', '0', '10.2', '1001', 'ZK01');
INSERT INTO geolayercolor (序号, 自孔深, 至孔深, 地层代号, 颜色, 校正自孔深, 校正至孔深, 矿区代码, 工程编号)
  VALUES ('2', '10.6', '100', 'γ5', '45', '10.2', '98', '1001', 'ZK01');

INSERT INTO drilsamh (矿区代码, 工程编号, 样号, 自孔深, 至孔深, 岩心长, 样长, 校正自孔深, 校正至孔深)
  VALUES ('1001', 'ZK01', 'H1', '20', '22', '1.9', '', '19.5', '21.5');
INSERT INTO drilsamh (矿区代码, 工程编号, 样号, 自孔深, 至孔深, 岩心长, 样长, 校正自孔深, 校正至孔深)
  VALUES ('1001', 'ZK01', 'H2', '22', '24.5', '2.5', '', '21.5', '24');

INSERT INTO drilore (矿区代码, 工程编号, 自孔深, 至孔深, 矿种, 校正自孔深, 校正至孔深)
  VALUES ('1001', 'ZK01', '50', '55', '1', '49', '54');

-- Chart layout: 33 column rows (row k = the k-th row) and one more that is
-- not kept; 22 parameter rows.
INSERT INTO 栏目选择 (序号, 栏目名称, 宽度, 绘制, 选项, 左边, 右边) VALUES
  ('0', '层号', '10', ' 1', '0', '10', '20'),
  ('1', '孔深', '15', '1', '0', '20', '35'),
  ('2', '层厚', '15', '1', '0', '35', '50'),
  ('3', '岩矿心长', '15', '1', '0', '50', '65'),
  ('4', '采取率', '15', '1', '0', '65', '80'),
  ('5', '柱状图', '30', '01', '0', '80', '110'),
  ('6', '样号', '10', '0', '0', '110', '120'),
  ('7', '地质描述', '80', '1', '0', '120', '200'),
  ('8', '标志面', '10', '0', '0', '0', '0'),
  ('9', '标本', '10', '0', '0', '0', '0'),
  ('10', '采样', '10', '0', '0', '0', '0'),
  ('11', '备用', '0', 'x', '0', '0', '0'), ('12', '备用', '0', '0', '0', '0', '0'),
  ('13', '备用', '0', '0', '0', '0', '0'), ('14', '备用', '0', '0', '0', '0', '0'),
  ('15', '备用', '0', '0', '0', '0', '0'), ('16', '备用', '0', '0', '0', '0', '0'),
  ('17', '备用', '0', '0', '0', '0', '0'), ('18', '备用', '0', '0', '0', '0', '0'),
  ('19', '备用', '0', '0', '0', '0', '0'), ('20', '备用', '0', '0', '0', '0', '0'),
  ('21', '矿体', '10', '0', '0', '0', '0'),
  ('22', '备用', '0', '0', '0', '0', '0'), ('23', '备用', '0', '0', '0', '0', '0'),
  ('24', '备用', '0', '0', '0', '0', '0'), ('25', '备用', '0', '0', '0', '0', '0'),
  ('26', '备用', '0', '0', '0', '0', '0'), ('27', '备用', '0', '0', '0', '0', '0'),
  ('28', '备用', '0', '0', '0', '0', '0'), ('29', '备用', '0', '0', '0', '0', '0'),
  ('30', '备用', '0', '0', '0', '0', '0'),
  ('31', '地层代号', '10', '1', '0', '0', '10'),
  ('32', '备用', '0', '0', '0', '0', '0'),
  ('33', '不保留', '0', '1', '0', '0', '999');

INSERT INTO 柱状参数 VALUES
  ('0', '层号', '0', '1', '0', '3.0', '0.5', '1.0', '0', '0'),
  ('1', '孔深', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('2', '层厚', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('3', '岩心长', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('4', '描述', '0', '1', '0', '3.0', '0.5', '1.0', '0', '0'),
  ('5', '至孔深', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('6', '层厚', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('7', '岩心长', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('8', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('9', '采取率', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('10', '层号', '0', '1', '0', '3.0', '0.5', '1.0', '0', '0'),
  ('11', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('12', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('13', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('14', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('15', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('16', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('17', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('18', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('19', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('20', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0'),
  ('21', '备用', '0', '1', '0', '2.5', '0.5', '1.0', '0', '0');
