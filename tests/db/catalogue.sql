-- The seeded shop catalogue. Component categories are the top-level categories (parent_id 0) with
-- the numbers the assembly page's rows ask for; their sub-categories are the brands. Prices are
-- market_price (second-hand estimate) and shop_price (new price).
--   22 内存: 120 goods, all in the brand 金士顿 (prices fall by 10 from 1990; each page of 50 holds one
--            pair of equal prices, none across a page boundary); its other brands hold no goods.
--   62 显卡: goods across four brands, "512" in names of three of them, equal prices across brands.
--   Names with characters whose GBK trail byte is 0x5C (誠 D5 5C, 運 DF 5C, 錦 E5 5C, 謀 D6 5C).
--   300 电脑周边: a top-level category with goods of its own, which the row "其它" (0) lists.
-- No column the program reads may be NULL in these tables; suppliers_id and is_check may, and do.

INSERT INTO ecs_category (cat_id, cat_name, parent_id, style) VALUES
  (18, 'CPU', 0, ''), (19, '主板', 0, ''), (22, '内存', 0, ''), (26, '硬盘', 0, ''),
  (31, '机箱', 0, ''), (36, '显示器', 0, ''), (42, '电源', 0, ''), (45, '光驱', 0, ''),
  (50, '键鼠套装', 0, ''), (62, '显卡', 0, ''), (65, '摄像头', 0, ''), (66, '音箱', 0, ''),
  (70, '耳机', 0, ''), (73, '风扇', 0, ''), (253, '网卡', 0, ''), (266, '声卡', 0, ''),
  (300, '电脑周边', 0, '');

INSERT INTO ecs_category (cat_id, cat_name, parent_id, style) VALUES
  (1801, '英特尔', 18, ''), (1802, 'AMD', 18, ''), (1803, '兆芯', 18, ''),
  (1901, '华硕', 19, ''), (1902, '技嘉', 19, ''), (1903, '微星', 19, ''),
  (2201, '金士顿', 22, ''), (2202, '威刚', 22, ''), (2203, '芝奇', 22, ''),
  (2601, '希捷', 26, ''), (2602, '西部数据', 26, ''), (2603, '三星', 26, ''),
  (3101, '先马', 31, ''), (3102, '鑫誠', 31, ''),
  (3601, '戴尔', 36, ''), (3602, 'AOC', 36, ''),
  (4201, '航嘉', 42, ''), (4202, '长城', 42, ''),
  (4501, '先锋', 45, ''), (4502, '华硕', 45, ''),
  (5001, '罗技', 50, ''), (5002, '雷柏', 50, ''),
  (6201, '七彩虹', 62, ''), (6202, '影驰', 62, ''), (6203, '蓝宝石', 62, ''), (6204, '誠和', 62, ''),
  (6501, '罗技', 65, ''), (6502, '蓝色妖姬', 65, ''),
  (6601, '漫步者', 66, ''), (6602, '惠威', 66, ''),
  (7001, '森海塞尔', 70, ''), (7002, '漫步者', 70, ''),
  (7301, '九州风神', 73, ''), (7302, '超频三', 73, ''),
  (25301, 'TP-LINK', 253, ''), (25302, '水星', 253, ''),
  (26601, '创新', 266, ''), (26602, '华硕', 266, '');

-- 金士顿 DDR4 第001款 (1990.00) … 第120款 (800.00); 第021款, 第071款 and 第111款 cost as much as the one
-- before them.
INSERT INTO ecs_goods (cat_id, goods_name, market_price, shop_price, goods_desc)
SELECT 2201, CONCAT('金士顿 DDR4 3200 8G 第', LPAD(seq, 3, '0'), '款'),
       ROUND((2000 - 10 * seq + IF(seq IN (21, 71, 111), 10, 0)) * 0.6),
       2000 - 10 * seq + IF(seq IN (21, 71, 111), 10, 0), ''
FROM seq_1_to_120;

INSERT INTO ecs_goods (cat_id, goods_name, market_price, shop_price, goods_desc, suppliers_id, is_check) VALUES
  (1801, 'Intel 酷睿 i5-12400F 盒装', 700, 999, '', 1, 1),
  (1801, 'Intel 酷睿 i3-12100F 盒装', 380, 599, '', NULL, 1),
  (1801, 'Intel 奔腾 G6405 盒装', 200, 599, '', 1, NULL),
  (1802, 'AMD 锐龙 5 5600 盒装', 520, 799, '', NULL, NULL),
  (1802, 'AMD 速龙 3000G 盒装', 150, 299, '', NULL, NULL),
  (1803, '兆芯 开先 KX-6640MA', 300, 680, '', NULL, NULL),
  (1901, '华硕 PRIME B660M-K D4', 450, 699, '', NULL, NULL),
  (1902, '技嘉 B760M GAMING DDR4', 500, 799, '', NULL, NULL),
  (1903, '微星 PRO H610M-E DDR4', 300, 499, '', NULL, NULL),
  (2601, '希捷 酷鱼 2TB 7200转', 260, 399, '', NULL, NULL),
  (2602, '西部数据 蓝盘 SN570 512G', 220, 329, '', NULL, NULL),
  (2603, '三星 870 EVO 512G 運動版', 260, 399, '', NULL, NULL),
  (3101, '先马 平头哥M2 机箱', 80, 129, '', NULL, NULL),
  (3102, '鑫誠 錦繡 中塔机箱', 90, 159, '', NULL, NULL),
  (3601, '戴尔 U2424H 23.8英寸', 1100, 1599, '', NULL, NULL),
  (3602, 'AOC 24B2XH 23.8英寸', 450, 649, '', NULL, NULL),
  (4201, '航嘉 WD500K 500W', 180, 269, '', NULL, NULL),
  (4202, '长城 HOPE-6000DS 500W', 150, 239, '', NULL, NULL),
  (4501, '先锋 DVR-221CHV DVD刻录机', 60, 119, '', NULL, NULL),
  (4502, '华硕 DRW-24D5MT DVD刻录机', 70, 129, '', NULL, NULL),
  (5001, '罗技 MK275 无线键鼠套装', 60, 99, '', NULL, NULL),
  (5002, '雷柏 X120PRO 有线键鼠套装', 30, 59, '', NULL, NULL),
  (6201, '七彩虹 GT210 512M DDR3', 40, 150, '', NULL, NULL),
  (6201, '七彩虹 战斧 RTX 3060 12G', 1300, 2199, '', NULL, NULL),
  (6202, '影驰 9600GT 512M 中将版', 60, 150, '', NULL, NULL),
  (6202, '影驰 GTX 1660 SUPER 骁将 6G', 800, 1499, '', NULL, NULL),
  (6203, '蓝宝石 HD4670 512M 白金版', 50, 120, '', NULL, NULL),
  (6203, '蓝宝石 RX 580 8G 超白金', 480, 999, '', NULL, NULL),
  (6203, '蓝宝石 HD6450 512M 海外版', 30, 99, '', NULL, NULL),
  (6204, '誠和 GT730 2G 運謀版', 150, 299, '', NULL, NULL),
  (6501, '罗技 C270 高清摄像头', 80, 129, '', NULL, NULL),
  (6502, '蓝色妖姬 T3200 摄像头', 40, 69, '', NULL, NULL),
  (6601, '漫步者 R1080BT 音箱', 150, 239, '', NULL, NULL),
  (6602, '惠威 D1080MKII 音箱', 350, 549, '', NULL, NULL),
  (7001, '森海塞尔 HD 206 耳机', 150, 249, '', NULL, NULL),
  (7002, '漫步者 H180 耳机', 30, 49, '', NULL, NULL),
  (7301, '九州风神 玄冰400 CPU风扇', 60, 99, '', NULL, NULL),
  (7302, '超频三 东海X4 CPU风扇', 40, 69, '', NULL, NULL),
  (25301, 'TP-LINK TL-WN725N 无线网卡', 25, 39, '', NULL, NULL),
  (25302, '水星 MW150US 无线网卡', 20, 29, '', NULL, NULL),
  (26601, '创新 Sound Blaster Audigy Rx 声卡', 300, 499, '', NULL, NULL),
  (26602, '华硕 Xonar SE 声卡', 250, 399, '', NULL, NULL),
  (300, '绿联 USB3.0 延长线 1.5米', 15, 25, '', NULL, NULL),
  (300, '酷冷至尊 硅脂 100% 纯\\铜', 5, 15, '', NULL, NULL),
  (300, '山泽 它''s 网线 5米', 8, 15, '', NULL, NULL);
