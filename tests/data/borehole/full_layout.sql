-- Every column of the chart on, side by side, for the full-chart tests, the
-- benchmark and the sample database: run after borehole_fixture.sql. The
-- chart is 400 mm wide; minefile's 图宽 is left to the caller.
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '200', 右边 = '210' WHERE 序号 = '8';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '210', 右边 = '220' WHERE 序号 = '9';
UPDATE 栏目选择 SET 宽度 = '12', 绘制 = '1', 选项 = '0', 左边 = '220', 右边 = '232' WHERE 序号 = '10';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '232', 右边 = '242' WHERE 序号 = '11';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '242', 右边 = '252' WHERE 序号 = '12';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '252', 右边 = '262' WHERE 序号 = '13';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '262', 右边 = '272' WHERE 序号 = '14';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '272', 右边 = '282' WHERE 序号 = '15';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '282', 右边 = '292' WHERE 序号 = '16';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '292', 右边 = '302' WHERE 序号 = '17';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '302', 右边 = '312' WHERE 序号 = '18';
UPDATE 栏目选择 SET 宽度 = '20', 绘制 = '1', 选项 = '0', 左边 = '312', 右边 = '332' WHERE 序号 = '21';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '332', 右边 = '342' WHERE 序号 = '22';
UPDATE 栏目选择 SET 宽度 = '20', 绘制 = '1', 选项 = '0', 左边 = '342', 右边 = '362' WHERE 序号 = '23';
UPDATE 栏目选择 SET 宽度 = '28', 绘制 = '1', 选项 = '1', 左边 = '362', 右边 = '390' WHERE 序号 = '24';
UPDATE 栏目选择 SET 宽度 = '10', 绘制 = '1', 选项 = '0', 左边 = '390', 右边 = '400' WHERE 序号 = '25';
