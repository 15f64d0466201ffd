-- The program's account. Its password is inside every copy of the program, so it may read the
-- catalogue and add articles, and nothing more.
CREATE USER 'hwdex'@'%' IDENTIFIED BY '7373pkpk';
GRANT SELECT ON hwdex.ecs_category TO 'hwdex'@'%';
GRANT SELECT ON hwdex.ecs_goods TO 'hwdex'@'%';
GRANT INSERT ON hwdex.ecs_article TO 'hwdex'@'%';
