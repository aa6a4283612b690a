#!/usr/bin/python3
"""Writes data/samples/borehole_sample.sqlite: a small made-up borehole
database for trying the column chart (连接数据源 on it, then 绘制柱状图).

The tables and the chart layout (栏目选择, 柱状参数, Tzkkpara) are those of
the chart tests' script tests/data/borehole/borehole_fixture.sql with every
column on (full_layout.sql beside it, a chart 400 mm wide); its test holes
are left out, and one mine area "0001 示例矿区" with three holes is added,
each with rows in every table the chart reads, and one exploration line "1"
running past the three holes (pmddcoor, its header in TPMK00 at 1:5000 and
30 surveyed stations in TPMK001) for 读取测量数据 and 读取钻孔数据.
Python standard library only; the same bytes on every run.
"""
import math
import os
import sqlite3

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(HERE)))
SCRIPT = os.path.join(ROOT, "tests", "data", "borehole", "borehole_fixture.sql")
LAYOUT = os.path.join(ROOT, "tests", "data", "borehole", "full_layout.sql")
HOLE_TABLES = ("minefile", "zkinfok", "drilgeo2", "geolayercolor", "drilsamh", "drilore", "element", "drilflag",
               "drilspec", "drilhydr", "drilhydr01", "drilhydr02", "drilhydr03", "drilmeas", "drilmeam", "pmddcoor",
               "TPMK00", "TPMK001")
PATH = os.path.join(os.path.dirname(HERE), "borehole_sample.sqlite")

ROCKS = [
    ("第四系黄土", 101, "黄褐色，松散，含少量钙质结核。"),
    ("砂岩", 200, "灰白色中细粒砂岩，块状构造，成分以石英为主，次为长石。"),
    ("泥岩", 120, "灰绿色泥岩，薄层状，遇水易软化。"),
    ("砾岩", 130, "杂色砾岩，砾石成分为石英岩及硅质岩，钙质胶结。"),
    ("蚀变花岗岩", 300, "肉红色中粗粒花岗岩，钾化、硅化强烈，见浸染状黄铁矿及细脉状黄铜矿。"),
    ("花岗岩", 300, "肉红色中粗粒花岗岩，块状构造，主要矿物为钾长石、斜长石和石英。"),
]

HOLES = [
    # id, line, x, y, h, depth, azimuth, dip, layer tops
    ("ZK101", "1", "3512100.25", "40512200.50", "1235.40", 120.0, "135", "85°30′", [0, 6.5, 30.2, 30.8, 55.0, 78.4]),
    ("ZK102", "1", "3512180.75", "40512260.10", "1242.10", 150.0, "135", "82", [0, 4.2, 25.0, 48.6, 49.1, 92.0]),
    ("ZK103", "2", "3512300.00", "40512150.00", "1228.90", 95.5, "", "", [0, 8.0, 21.4, 40.0, 62.5, 63.0]),
]


def main():
    if os.path.exists(PATH):
        os.remove(PATH)
    db = sqlite3.connect(PATH)
    for script in (SCRIPT, LAYOUT):
        with open(script, encoding="utf-8") as f:
            db.executescript(f.read())
    for table in HOLE_TABLES:
        db.execute(f'delete from "{table}"')
    db.execute("insert into minefile (矿区代码, 矿区名称, 矿区类别, 图宽) values ('0001', '示例矿区', '1', '400')")
    db.execute("insert into element (元素1, 元素2, 元素3, 单位1, 单位2, 单位3, 矿区代码)"
               " values ('Cu', 'Au', 'Ag', '%', 'g/t', 'g/t', '0001')")
    for hole, line, x, y, h, depth, azimuth, dip, tops in HOLES:
        db.execute(
            "insert into zkinfok (工程编号, 勘探线号, X, Y, H, 开孔日期, 终孔日期, 终孔方位, 终孔倾角, 终孔深度,"
            " 分层数, 图名, 校正孔深, 矿区代码, 上图名, 拟编, 审核, 计算机成图, 项目负责, 总工程师, 队长, 资料来源,"
            " 制图日期, 顺序号, 图号) values (?, ?, ?, ?, ?, '2024-03-01', '2024-04-15', ?, ?, ?, ?, ?, ?, '0001',"
            " '示例地质勘查院', '王工', '李工', '张工', '赵工', '刘工', '陈工', '示例矿区详查', '2024-05-01', ?, ?)",
            (hole, line, x, y, h, azimuth, dip, f"{depth:.2f}", str(len(tops)), f"示例矿区{hole}钻孔柱状图", f"{depth:.2f}",
             hole[-1], f"ZK-{hole[-3:]}"))
        bottoms = tops[1:] + [depth]
        for k, (top, bottom) in enumerate(zip(tops, bottoms)):
            name, pattern, text = ROCKS[k % len(ROCKS)]
            db.execute(
                "insert into drilgeo2 (矿区代码, 工程编号, 岩石名称, 花纹号, 层号, 地质描述, 花纹高, 自孔深, 至孔深, 岩心长,"
                " 界线类型, 校正自孔深, 校正至孔深) values ('0001', ?, ?, ?, ?, ?, '5', ?, ?, ?, ?, ?, ?)",
                (hole, name, str(pattern), str(k + 1), text, f"{top:.2f}", f"{bottom:.2f}",
                 f"{(bottom - top) * 0.92:.2f}", "80" if k == 3 else "0", f"{top:.2f}", f"{bottom:.2f}"))
        db.execute(
            "insert into geolayercolor (序号, 自孔深, 至孔深, 地层代号, 颜色, 校正自孔深, 校正至孔深, 矿区代码, 工程编号)"
            " values ('1', '0', ?, 'Q', '23', '0', ?, '0001', ?)", (f"{tops[1]:.2f}", f"{tops[1]:.2f}", hole))
        db.execute(
            "insert into geolayercolor (序号, 自孔深, 至孔深, 地层代号, 颜色, 校正自孔深, 校正至孔深, 矿区代码, 工程编号)"
            " values ('2', ?, ?, 'γ5', '45', ?, ?, '0001', ?)",
            (f"{tops[1]:.2f}", f"{depth:.2f}", f"{tops[1]:.2f}", f"{depth:.2f}", hole))
        # Eight samples of 2 m, then three of 0.5 m whose rows step down.
        samples = [(tops[4] + n * 2.0, 2.0) for n in range(8)] + [(tops[4] + 16 + n * 0.5, 0.5) for n in range(3)]
        for n, (top, length) in enumerate(samples):
            db.execute(
                "insert into drilsamh (矿区代码, 工程编号, 样号, 自孔深, 至孔深, 岩心长, 校正自孔深, 校正至孔深, 元素1, 元素2,"
                " 元素3) values ('0001', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                (hole, f"H{n + 1}", f"{top:.2f}", f"{top + length:.2f}", f"{length * 0.9:.2f}", f"{top:.2f}",
                 f"{top + length:.2f}", f"{0.2 + n * 0.11:.2f}", f"{0.5 + (n % 4) * 0.35:.2f}", "" if n % 3 else "12.5"))
        db.execute(
            "insert into drilore (矿区代码, 工程编号, 矿体编号, 自孔深, 至孔深, 标注, 矿种, 校正自孔深, 校正至孔深)"
            " values ('0001', ?, '①', ?, ?, '/7.00/1.35/', '1', ?, ?)",
            (hole, f"{tops[4] + 2:.2f}", f"{tops[4] + 9:.2f}", f"{tops[4] + 2:.2f}", f"{tops[4] + 9:.2f}"))
        db.execute(
            "insert into drilore (矿区代码, 工程编号, 矿体编号, 自孔深, 至孔深, 标注, 矿种, 校正自孔深, 校正至孔深)"
            " values ('0001', ?, '②', ?, ?, '/0.80/0.95/', '2', ?, ?)",
            (hole, f"{tops[4] + 16:.2f}", f"{tops[4] + 16.8:.2f}", f"{tops[4] + 16:.2f}", f"{tops[4] + 16.8:.2f}"))
        add_later_columns(db, hole, depth, tops)
    add_exploration_line(db)
    db.commit()
    db.execute("vacuum")
    db.close()


def add_later_columns(db, hole, depth, tops):
    """Marker planes, specimens, water levels and notes, and the surveys."""
    rows = {
        "drilflag (矿区代码, 工程编号, 深度, 夹角, 校正深度)": [
            ("0001", hole, f"{tops[2] + 3.2:.2f}", "35", f"{tops[2] + 3.2:.2f}"),
            ("0001", hole, f"{tops[4] + 5.5:.2f}", "62", f"{tops[4] + 5.5:.2f}")],
        "drilspec (工程编号, 标本号, 深度, 校正深度, 矿区代码)": [
            (hole, "B1", f"{tops[1] + 2.4:.2f}", f"{tops[1] + 2.4:.2f}", "0001"),
            (hole, "B2", f"{tops[4] + 7.1:.2f}", f"{tops[4] + 7.1:.2f}", "0001")],
        "drilhydr (矿区代码, 工程编号, 孔深, 水位A, 水位B, 校正孔深)": [
            ("0001", hole, f"{depth * k / 4:.2f}", f"{12 + k * 1.5:.2f}", f"{14 - k * 0.75:.2f}", f"{depth * k / 4:.2f}")
            for k in range(1, 4)],
        "drilhydr01 (矿区代码, 工程编号, 孔深, 至孔深, 内容, 校正孔深, 校正至孔深)": [
            ("0001", hole, "0", f"{tops[1]:.2f}", "601", "0", f"{tops[1]:.2f}"),
            ("0001", hole, f"{tops[1]:.2f}", f"{depth:.2f}", "602", f"{tops[1]:.2f}", f"{depth:.2f}")],
        "drilhydr02 (矿区代码, 工程编号, 孔深, 至孔深, 内容, 校正孔深, 校正至孔深)": [
            ("0001", hole, f"{depth - 5:.2f}", f"{depth:.2f}", "3", f"{depth - 5:.2f}", f"{depth:.2f}")],
        "drilhydr03 (矿区代码, 工程编号, 孔深, 至孔深, 内容, 校正孔深, 校正至孔深)": [
            ("0001", hole, "0", f"{tops[1]:.2f}", "第四系孔隙潜水，水量小。", "0", f"{tops[1]:.2f}"),
            ("0001", hole, f"{tops[1]:.2f}", f"{depth:.2f}", "基岩裂隙水，冲洗液局部漏失。", f"{tops[1]:.2f}", f"{depth:.2f}")],
        "drilmeas (矿区代码, 工程编号, 测量次序, 孔深, 天顶角, 方位角)": [
            ("0001", hole, str(k + 1), f"{(k + 1) * 25.0:.2f}", f"{1 + k}°30′", f"{135 + k}°") for k in range(4)],
        "drilmeam (工程编号, 检查次序, 记录孔深, 校测孔深, 矿区代码)": [
            (hole, str(k + 1), f"{(k + 1) * 30.0:.2f}", f"{(k + 1) * 30.0 - 0.15 * k:.2f}", "0001") for k in range(3)],
    }
    for table, values in rows.items():
        marks = ", ".join("?" * len(values[0]))
        db.executemany(f"insert into {table} values ({marks})", values)


def add_exploration_line(db):
    """Line 1 at bearing 346°: its strip (30 mm at 1:5000, 75 m) holds the
    three collars, which lie 39 m or less off its centre line."""
    east, north = 40512000.0, 3512000.0
    direction = math.radians(104)
    along = (math.cos(direction), math.sin(direction))
    across = (-along[1], along[0])
    centre = -257.11
    length = 600.0

    def ground(s):
        x = centre * across[0] + s * along[0]
        y = centre * across[1] + s * along[1]
        return f"{east + x:.2f}", f"{north + y:.2f}"

    (sx, sy), (ex, ey) = ground(-150.0), ground(length - 150.0)
    db.execute("insert into pmddcoor (剖面号, 矿区代码) values ('1', '0001')")
    db.execute(
        "insert into TPMK00 (矿区代码, 勘探线号, 起点Y, 起点X, 终点Y, 终点X, 图名, 勘查单位, 左1, 左2, 左3, 左4, 左5, 左6,"
        " 右1, 右2, 右3, 右4, 右5) values ('0001', '1', ?, ?, ?, ?, '示例矿区1号勘探线剖面图', '示例地质勘查院', '示例矿区',"
        " '1号线', '346°', '王工', '李工', '2024.05', '剖面图', '5000', '1', '张工', '赵工')",
        (sy, sx, ey, ex))
    for k in range(30):
        distance = length * k / 29
        elevation = 1225.0 + 18.0 * math.sin(distance / 95.0) + 6.0 * math.cos(distance / 37.0)
        db.execute(
            "insert into TPMK001 (序号, 点名, 相对平距, 高程, 矿区代码, 勘探线号) values (?, ?, ?, ?, '0001', '1')",
            (str(k + 1), f"P{k}", round(distance, 2), f"{elevation:.2f}"))


if __name__ == "__main__":
    main()
